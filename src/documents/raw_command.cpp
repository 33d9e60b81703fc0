#include "raw_command.h"

QByteArray rawCommand(char command, const QByteArray& fieldSeparator, std::initializer_list<QByteArray> fields) {
    QByteArray raw(1, command);
    for (const QByteArray& field : fields) raw += fieldSeparator + field;
    return raw;
}

#include "hasar_command_set.h"
#include "hasar_fields.h"
#include "hasar_status.h"
#include "hasar_text.h"

namespace sim {

using namespace hasar;

namespace {

constexpr char kDelete = 0x7F;  // a field of DEL alone erases the stored line

// The text a Set command stores from its field, none when it does not fit `columns`: a lone DEL
// stores nothing (the line is erased) and a leading 0xF4 prints double width, in half the room.
std::optional<QString> lineToStore(const QByteArray& field, int columns) {
    if (field == QByteArray(1, kDelete)) return QString();
    const bool doubleWidth = !field.isEmpty() && static_cast<quint8>(field[0]) == kDoubleWidth;
    const qsizetype length = doubleWidth ? field.size() - 1 : field.size();
    if (length > (doubleWidth ? columns / 2 : columns)) return std::nullopt;
    return decodeText(field);
}

}  // namespace

HasarCommandSet::Answer HasarCommandSet::storeLine(QString* lines, int count, int columns, const Fields& f) {
    const auto line = lineNumber(f, 1, count);
    const auto text = f.size() >= 2 ? lineToStore(f[1], columns) : std::nullopt;
    if (!line || !text) return refuse(kInvalidField);
    // 3.9.3 and 3.9.6 say only that the printer checks its fiscal state; our reading is that it
    // takes no change while a document is open, whose head is already on the paper.
    if (memory_.open) return refuse(kInvalidInState);
    lines[*line - 1] = *text;
    return {};
}

HasarCommandSet::Answer HasarCommandSet::readLine(const QString* lines, int count, const Fields& f) {
    const auto line = lineNumber(f, 1, count);
    if (!line) return refuse(kInvalidField);
    return Answer{0, {encodeText(lines[*line - 1])}};
}

// 3.9.3: 40 characters, the width of the 615 family's ticket; the slip models 7 and 8 print a
// line across their 120 columns.
HasarCommandSet::Answer HasarCommandSet::setHeaderTrailer(const Fields& f, qint64) {
    return storeLine(memory_.headerTrailer, FiscalMemory::kHeaderTrailerLines, columnsForModel(model_), f);
}

HasarCommandSet::Answer HasarCommandSet::getHeaderTrailer(const Fields& f, qint64) {
    return readLine(memory_.headerTrailer, FiscalMemory::kHeaderTrailerLines, f);
}

// 3.9.6: two lines of up to 40 characters on every model, printed just above the business name.
HasarCommandSet::Answer HasarCommandSet::setFantasyName(const Fields& f, qint64) {
    return storeLine(memory_.fantasyName, FiscalMemory::kFantasyLines, FiscalMemory::kMaxFantasyText, f);
}

// UNSURE: the 615 family's manual has no read of the fantasy name; 0x92 is the code public
// driver lists give it on the later models.
HasarCommandSet::Answer HasarCommandSet::getFantasyName(const Fields& f, qint64) {
    return readLine(memory_.fantasyName, FiscalMemory::kFantasyLines, f);
}

// 3.3.2: both limits in twelve characters, the rate in five, a reserved zero, the two printing
// flags in one field (P prints, anything else does not) and the cut type.
HasarCommandSet::Answer HasarCommandSet::configurationData(const Fields&, qint64) {
    const Configuration& c = memory_.configuration;
    const auto flag = [](bool on) { return on ? 'P' : 'N'; };
    return Answer{0,
                  {c.finalConsumerLimit.money().toLatin1().rightJustified(12, '0'),
                   c.ticketInvoiceLimit.money().toLatin1().rightJustified(12, '0'),
                   c.unregisteredTaxRate.money().toLatin1().rightJustified(5, '0'), "0",
                   QByteArray(1, flag(c.printChange)) + flag(c.printLegends), QByteArray(1, c.cutType)}};
}

}  // namespace sim

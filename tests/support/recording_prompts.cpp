#include "recording_prompts.h"

void RecordingPrompts::message(int style, const QString& text) {
    trace_.record(QStringLiteral("Msg(%1,%2)").arg(style).arg(arg::q(text)));
}

QString RecordingPrompts::openFile() {
    trace_.record(QStringLiteral("File()"));
    return chosenFile_;
}

bool RecordingPrompts::ask(const QString& text) {
    trace_.record(QStringLiteral("Ask(%1)=%2").arg(arg::q(text), yes_ ? QStringLiteral("Sí") : QStringLiteral("No")));
    return yes_;
}

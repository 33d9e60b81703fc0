#include "recording_prompts.h"

void RecordingPrompts::message(int style, const QString& text) {
    trace_.record(QStringLiteral("Msg(%1,%2)").arg(style).arg(arg::q(text)));
}

QString RecordingPrompts::openFile() {
    trace_.record(QStringLiteral("File()"));
    return chosenFile_;
}

#include "cell_verdict.h"

MessageClass classify(const QString& errorText) {
    if (errorText.isEmpty()) return MessageClass::None;
    // The longer phrases contain the shorter ones: test them first.
    if (errorText.contains(QStringLiteral("no se sabe si se emitió"), Qt::CaseInsensitive)) return MessageClass::Unknown;
    if (errorText.contains(QStringLiteral("no se emitió"), Qt::CaseInsensitive)) return MessageClass::NotIssued;
    if (errorText.contains(QStringLiteral("se emitió"), Qt::CaseInsensitive)) return MessageClass::Issued;
    return MessageClass::OtherError;
}

QString className(MessageClass c) {
    switch (c) {
    case MessageClass::None: return QStringLiteral("sin error");
    case MessageClass::Issued: return QStringLiteral("se emitió");
    case MessageClass::NotIssued: return QStringLiteral("no se emitió");
    case MessageClass::Unknown: return QStringLiteral("no se sabe");
    case MessageClass::OtherError: return QStringLiteral("otro error");
    }
    return {};
}

TechnicianStep stepAfter(MessageClass c) {
    switch (c) {
    case MessageClass::None:
    case MessageClass::Issued: return TechnicianStep::Nothing;
    case MessageClass::Unknown: return TechnicianStep::CheckThenRepeat;
    case MessageClass::NotIssued:
    case MessageClass::OtherError: break;
    }
    return TechnicianStep::Repeat;
}

Verdict judge(const CellFacts& f) {
    Verdict v;
    v.duplicate = f.issuedAtEnd > f.expected;
    v.silentLoss = f.issuedAtEnd < f.expected && (f.last == MessageClass::None || f.last == MessageClass::Issued);
    const bool wasIssued = f.expected > 0 && f.issuedAtError >= f.expected;
    switch (f.first) {
    case MessageClass::Issued: v.wrongMessage = !wasIssued; break;
    // A plain failure for a document that exists is as wrong as "no se emitió": both invite a repeat.
    case MessageClass::NotIssued:
    case MessageClass::OtherError: v.wrongMessage = wasIssued; break;
    case MessageClass::None:
    case MessageClass::Unknown: break;
    }
    return v;
}

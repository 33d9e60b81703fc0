#include "cell_verdict.h"

#include "drivers/error_numbers.h"

#include <QRegularExpression>

int shownNumber(const QString& errorText) {
    static const QRegularExpression numbered(QStringLiteral("error Nº (\\d+)"));
    const QRegularExpressionMatch match = numbered.match(errorText);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

int unreachedDocuments(const QString& errorText) {
    static const QRegularExpression unreached(QStringLiteral("No llegó a emitir lo que seguía: (?:(\\d+) comprobantes \\()?"));
    const QRegularExpressionMatch match = unreached.match(errorText);
    if (!match.hasMatch()) return 0;
    return match.captured(1).isEmpty() ? 1 : match.captured(1).toInt();
}

bool repeatIssuesAgain(const QString& errorText) {
    return errorText.contains(QStringLiteral("si la repite, se emite otra vez")) ||
           errorText.contains(QStringLiteral("si la repite, se emiten otra vez"));
}

MessageClass classify(const QString& errorText) {
    if (errorText.isEmpty()) return MessageClass::None;
    switch (shownNumber(errorText)) {
    case error_number::kIssuedReplyLost: return MessageClass::Issued;
    case error_number::kNotIssued:
    case error_number::kCancelledByPrinter: return MessageClass::NotIssued;
    case error_number::kIssueUnknown: return MessageClass::Unknown;
    case error_number::kOpenWithPayment: return MessageClass::OpenPaid;
    default: return MessageClass::OtherError;
    }
}

QString className(MessageClass c) {
    switch (c) {
    case MessageClass::None: return QStringLiteral("sin error");
    case MessageClass::Issued: return QStringLiteral("se emitió");
    case MessageClass::NotIssued: return QStringLiteral("no se emitió");
    case MessageClass::Unknown: return QStringLiteral("no se sabe");
    case MessageClass::OpenPaid: return QStringLiteral("abierto pago");
    case MessageClass::OtherError: return QStringLiteral("otro error");
    }
    return {};
}

TechnicianStep stepAfter(MessageClass c) {
    switch (c) {
    case MessageClass::None:
    case MessageClass::Issued: return TechnicianStep::Nothing;
    case MessageClass::Unknown: return TechnicianStep::CheckThenRepeat;
    case MessageClass::OpenPaid: return TechnicianStep::FinishWithCancel;
    case MessageClass::NotIssued:
    case MessageClass::OtherError: break;
    }
    return TechnicianStep::Repeat;
}

Verdict judge(const CellFacts& f) {
    Verdict v;
    v.duplicate = f.issuedAtEnd > f.expected;
    // What the message said the operation did not reach is no loss, and no part of its document in course.
    const int reached = f.expected - f.unreached;
    v.silentLoss = f.issuedAtEnd < reached && (f.last == MessageClass::None || f.last == MessageClass::Issued);
    const bool wasIssued = f.expected > 0 && f.issuedAtError >= reached;
    switch (f.first) {
    case MessageClass::Issued: v.wrongMessage = !wasIssued; break;
    // A plain failure for a document that exists is as wrong as "no se emitió": both invite a repeat.
    case MessageClass::NotIssued:
    case MessageClass::OpenPaid:
    case MessageClass::OtherError: v.wrongMessage = wasIssued; break;
    case MessageClass::None:
    case MessageClass::Unknown: break;
    }
    return v;
}

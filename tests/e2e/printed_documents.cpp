#include "printed_documents.h"

namespace {

const QString kOpen = QStringLiteral("== ");
const QString kClose = QStringLiteral(" ==");
const QString kCompleted = QStringLiteral("== FIN ");
const QString kCancelled = QStringLiteral("== CANCELADO ");

// The title inside "<marker>TITLE ==".
QString titleAfter(const QString& line, const QString& marker) {
    return line.mid(marker.size(), line.size() - marker.size() - kClose.size());
}

}  // namespace

QStringList PrintedDocument::linesStartingWith(const QString& prefix) const {
    QStringList out;
    for (const QString& line : body)
        if (line.startsWith(prefix)) out << line;
    return out;
}

QList<PrintedDocument> printedDocuments(const QStringList& paper) {
    QList<PrintedDocument> out;
    qsizetype open = -1;  // index of the document still open, if any
    const auto closeAs = [&](const QString& line, const QString& marker, PrintedDocument::End end) {
        // A closing line with nothing open under that title becomes a document of its own, so a
        // stray close shows up in the titles instead of vanishing.
        const QString title = titleAfter(line, marker);
        if (open < 0 || out[open].title != title) out.append({title, {}, end});
        out.last().end = end;
        open = -1;
    };
    for (const QString& line : paper) {
        const bool marker = line.startsWith(kOpen) && line.endsWith(kClose);
        if (marker && line.startsWith(kCompleted)) {
            closeAs(line, kCompleted, PrintedDocument::End::Completed);
        } else if (marker && line.startsWith(kCancelled)) {
            closeAs(line, kCancelled, PrintedDocument::End::Cancelled);
        } else if (marker) {
            out.append({titleAfter(line, kOpen), {}, PrintedDocument::End::LeftOpen});
            open = out.size() - 1;
        } else if (open >= 0) {
            out[open].body << line;
        }
    }
    return out;
}

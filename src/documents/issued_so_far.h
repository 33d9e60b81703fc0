#pragma once

#include "drivers/document_catalogue.h"

#include <QList>
#include <QString>
#include <functional>

// The documents one click issues: `each` over and over, `times` times. An error part way through
// is told with what the click had issued before it (repeating the click issues those again) and,
// where the error says the document in course was issued or may have been, what it did not reach.
class IssuedSoFar {
public:
    IssuedSoFar(QList<DocumentId> each, qint64 times) : each_(std::move(each)), times_(times) {}

    // Runs the click's documents; an OperationError leaves with those words added.
    void run(const std::function<void()>& documents);
    // The document in course closed.
    void closed() { ++closed_; }

    // The words an error with `number` gets after `closed` of the click's documents.
    QString words(qint64 closed, int number) const;

private:
    // "TIQUE" or "3 comprobantes (TIQUE: 2, FACTURA A)" for the documents from `from` to `to`.
    QString named(qint64 from, qint64 to) const;

    QList<DocumentId> each_;
    qint64 times_;
    qint64 closed_ = 0;
};

#pragma once

#include "e2e_fixture.h"
#include "printed_documents.h"

#include <QJsonObject>

#include <string>

class QPushButton;

// The end-to-end window with the steps and checks of the test-document runs.
class DocumentsEndToEnd : public EndToEnd {
protected:
    static const QString kPr4;
    static const QString kPj20;
    static const QString kP320;
    static const QString k715;

    // What the technician does: the document count, the document button, the item count, Aceptar.
    void print(QPushButton* document, const QString& documents, const QString& items);
    // The Epson entry on the port of the fixture's Epson printer.
    void selectEpson();

    // Exactly one message, the critical one of the error path, which leaves the prompt open.
    // The trace is cleared for the next run.
    void expectOneDriverError();
    // A normal end: no message, the prompt closed and its count back to 1.
    void expectCleanEnd();

    // Values of the saved fiscal memory; -1 when missing.
    static qint64 last(const QJsonObject& state, const char* series);
    static qint64 day(const QJsonObject& state, const char* counter);
    static bool nothingOpen(const QJsonObject& state);

    // One line per document: its title, how it ended and its item lines, as in
    // "FACTURA A Nro 0001-00000001 fin 3 items".
    static std::string outline(const QList<PrintedDocument>& documents);
    // Every document of a roll with its lines, for failure messages.
    static std::string describe(const QList<PrintedDocument>& documents);

private:
    QString shown() const;
};

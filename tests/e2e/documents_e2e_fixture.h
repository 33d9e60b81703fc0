#pragma once

#include "e2e_fixture.h"
#include "printed_documents.h"

#include <QJsonObject>

#include <initializer_list>
#include <string>
#include <utility>

class QPushButton;

// The end-to-end window with the steps and checks of the test-document runs.
class DocumentsEndToEnd : public EndToEnd {
protected:
    static const QString kPr4;
    static const QString kPj20;
    static const QString k715;

    // Starts the printers, the Hasar one as this model with these extra arguments, and picks
    // the window's entry for it.
    void startHasar(const QString& model, const QString& entry, const QStringList& arguments = {});
    // What the technician does: the document count, the document button, the item count, Aceptar.
    void print(QPushButton* document, const QString& documents, const QString& items);
    // The same, expecting a normal end.
    void printCleanly(QPushButton* document, const QString& documents, const QString& items);
    // The same, where the run first cancels this document ("FACTURA A Nº 0001-00000002"), left
    // open by an earlier one, and says so once at its end, its only message.
    void printCancellingLeftOpen(QPushButton* document, const QString& documents, const QString& items,
                                 const QString& cancelled);
    // The Epson entry on the port of the fixture's Epson printer.
    void selectEpson();

    // Exactly one message, the critical one of the error path, which leaves the prompt open.
    // The trace is cleared for the next run.
    void expectOneDriverError();
    // A normal end: no message, the prompt closed and its count back to 1.
    void expectCleanEnd();

    // The saved fiscal memory holds these last numbers by series ("a", "credit_note_a", ...) and
    // these counters of the day ("fiscal", "cancelled", ...), and no document open.
    using Values = std::initializer_list<std::pair<const char*, qint64>>;
    static void expectMemory(const QJsonObject& state, Values lastNumbers, Values dayCounters);

    // One line per document: its title, how it ended and its item lines, as in
    // "FACTURA A Nro 0001-00000001 fin 3 items".
    static std::string outline(const QList<PrintedDocument>& documents);
    // Every document of a roll with its lines, for failure messages.
    static std::string describe(const QList<PrintedDocument>& documents);

private:
    QString shown() const;
};

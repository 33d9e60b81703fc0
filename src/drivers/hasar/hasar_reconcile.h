#pragma once

#include "drivers/issue_engine.h"
#include "drivers/link/frame.h"

#include <functional>
#include <optional>

class Link;

// The Hasar side of the issue engine: which closing command issues which document (by the type
// its opening named), and where the printer records that document's number, whether one is
// open and paid, and whether its last document was cancelled.
class HasarReconciler : private IssueProbe {
public:
    // What a command the model does not know becomes: the error naming it, or the reply.
    enum class IfUnknown { Fail, Answer };
    // Sends one command as the driver does every command (waiting out a full buffer, naming a
    // command the model lacks unless the reply is asked for).
    using Sender = std::function<frame::Frame(quint8 code, const QList<QByteArray>& fields, IfUnknown ifUnknown)>;

    HasarReconciler(Link& link, Sender send) : send_(std::move(send)), engine_(link, *this) {}

    // The auxiliary status is read as the model's family writes it.
    void setSlipFamily(bool slip) { slip_ = slip; }

    // The reply to the command, refused or not. An opening has the printer's record read first;
    // a closing command goes through the engine, which raises its verdict on any doubt.
    frame::Frame exchange(quint8 code, const QList<QByteArray>& fields);
    // Closes the open document a cancel could not undo, through the engine; the reply.
    frame::Frame closeLeftOpen(quint8 close);
    // The point of sale as printed ("0001"), for a number shown to the technician; empty when
    // the model does not tell it.
    QString pointOfSale() override;

private:
    void read(const Document& document, issue_outcome::Reading& into) override;
    // The document a closing command issues, from the last opening; none for other commands.
    std::optional<Document> closing(quint8 code, const QList<QByteArray>& fields) const;
    frame::Frame close(const Document& document, quint8 code, const QList<QByteArray>& fields);

    Sender send_;
    bool slip_ = false;
    IssueEngine engine_;
    // The opening command and its type field: they name the document a close issues.
    quint8 openedWith_ = 0;
    QByteArray openedType_;
};

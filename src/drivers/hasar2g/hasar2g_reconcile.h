#pragma once

#include "drivers/issue_engine.h"
#include "hasar2g_answer.h"
#include "hasar2g_requests.h"

#include <functional>

// The 2G side of the issue engine: which document a close issues (by the code its opening sent),
// and what ConsultarEstado records of that code: its last number, its cancelled count, and the
// document in course. A command that issues or closes a document is never sent again blindly.
class Hasar2gReconciler : private IssueProbe {
public:
    // Sends one command and raises the printer's refusal (Command), or returns the reply as it
    // came (Exchange).
    using Command = std::function<hasar2g_answer::Answer(const hasar2g_request::Request&)>;

    Hasar2gReconciler(Command command, Command exchange, IssueEngine::Line line)
        : command_(std::move(command)), exchange_(std::move(exchange)), engine_(std::move(line), *this) {}

    // AbrirDocumento for `code`, with the record read first.
    hasar2g_answer::Answer open(int code);
    // Any command inside a document (or outside one) that issues nothing by itself.
    hasar2g_answer::Answer inside(const hasar2g_request::Request& request);
    // CerrarDocumento of what the last open opened, or of `code` when a cancel found it open.
    hasar2g_answer::Answer close(int code = 0);
    // A report, which has no document open for a second close.
    hasar2g_answer::Answer report(const Document& document, const hasar2g_request::Request& request);

    QString pointOfSale() override;

private:
    void read(const Document& document, issue_outcome::Reading& into) override;
    hasar2g_answer::Answer closeThrough(const Document& document, const hasar2g_request::Request& request);

    Command command_;
    Command exchange_;
    IssueEngine engine_;
    int opened_ = 0;  // the code of the document opened and not yet closed
    int probed_ = 0;  // the code whose record the engine reads; 0 for a report
};

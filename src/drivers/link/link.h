#pragma once

#include "frame.h"
#include "link_options.h"

#include "drivers/operation_error.h"
#include "drivers/printer_hold.h"

#include <QObject>
#include <QTimer>
#include <deque>
#include <optional>

class QEventLoop;
class Transport;

// The protocol core both brands share: one command out, its reply back, with sequence
// numbers, ACK/NAK, busy bytes, time limits and resends. Waits run a local event loop, so the
// window keeps painting while the caller blocks.
class Link : public QObject {
    Q_OBJECT

public:
    Link(Transport& transport, LinkOptions options, QObject* parent = nullptr);

    // Opens the port (closing it first when open) and synchronises with one status request
    // whose reply is not judged. When nothing answers, the brand's other speeds are tried with
    // one status request each (link_error::OtherSpeed names the one that answers). On failure
    // the port is left closed.
    void open(int comPort);
    // Opens the port at `baud` without a status request: for the one command that sets the
    // speed of a printer found at another speed. The sequence numbers already moved past the
    // search's request, so the printer takes the command as new.
    void openAt(int comPort, int baud);
    // Opens again the COM number last opened, as open() does.
    void reopen();
    void close();
    bool isOpen() const;

    // Sends one new command and returns the reply that carries its sequence number. A resend
    // keeps the number, so the printer executes the command once however often it travels.
    frame::Frame exchange(quint8 command, const QList<QByteArray>& fields = {});
    // Refuses, before anything is sent, a command whose fields the frame cannot carry.
    static void check(quint8 command, const QList<QByteArray>& fields);

    // Lets `ms` pass without a command, the window painting and late replies acknowledged;
    // abort() ends it with a DriverError.
    void pause(int ms);

    // Ends the current wait and every later one at once with a DriverError; nothing more is
    // sent or opened. For a window that closes during an operation.
    void abort();

    const LinkOptions& options() const { return options_; }

    using Hold = PrinterHold;

signals:
    // The printer has held the current command longer than holdNoticeMs, or (None) no longer does.
    void held(Link::Hold hold);
    // The reply to a command, as exchange() returns it: for reading what every reply reports.
    void replied(const frame::Frame& reply);

private:
    enum class Wait { Item, Timeout };
    Wait waitForItem();
    void send(const QByteArray& bytes);
    // Sends ACK and hands it to the line before going on.
    void acknowledge();
    void onReceived(const QByteArray& bytes);
    void acknowledgeBetweenExchanges();
    void onFailed(const QString& why);
    [[noreturn]] void failSilent();
    // Closes the port if open and opens it for the COM number, with nothing received kept.
    void openPort(int comPort);
    // The status request that opens the port, and a second one when the first answer does not
    // show the brand's protocol.
    void synchronise();
    // After silence at the port's own speed: one status request at each other speed of the
    // brand, within options_.speedSearchMs. Always throws: OtherSpeed, or silence.
    [[noreturn]] void searchSpeeds(int portSpeed);
    void stopWaiting();
    void noteHold(char control);
    void endHold();
    void resumeCommandLimit();
    [[noreturn]] void failAndClose(const DriverError& error);

    Transport& transport_;
    LinkOptions options_;
    int comPort_ = 0;
    quint8 nextSeq_;
    frame::Decoder decoder_;
    std::deque<frame::Received> inbox_;
    QTimer replyTimer_;
    QTimer commandTimer_;
    QTimer holdTimer_;
    QEventLoop* loop_ = nullptr;

    // What the current command has met so far; each exchange starts from a fresh one.
    struct CommandState {
        bool overLimit = false;
        // While the printer reports no paper the command limit stands still, with this much left.
        std::optional<int> paperOutLeftMs;
        // Bytes outside the protocol and the first of them for the error: they keep no wait alive.
        qsizetype strayBytes = 0;
        QByteArray straySample;
        bool protocolSeen = false;
        // The printer acknowledged a frame of the command.
        bool ackSeen = false;
    };
    CommandState command_;
    // The hold the printer reports, and whether the window was told of it.
    Hold hold_ = Hold::None;
    bool holdShown_ = false;
    // The silence the current wait allows: shorter while the port's first request finds out
    // whether anything answers.
    int replyLimitMs_ = 0;
    // Sends of one frame before silence; one while the speed search asks at a foreign speed.
    int maxSends_ = 0;
    bool inExchange_ = false;
    bool aborted_ = false;
    // Why the transport failed since the last open; empty while it works.
    QString failure_;
};

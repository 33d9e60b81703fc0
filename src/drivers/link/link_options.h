#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// How a brand's printer behaves on the link, and the limits the link keeps to. Time limits and
// counts are settings so that tests can run them in milliseconds.
struct LinkOptions {
    // Hasar: the printer answers every good frame with ACK and expects ACK for its reply.
    // Epson: no ACK either way; the reply itself acknowledges the command.
    bool printerAcks = true;
    // Silence after the last byte seen before a frame is sent again.
    int replyTimeoutMs = 2000;
    // The same for the status request that opens the port, until the printer shows it is there:
    // a port where nothing answers is reported within two seconds of the button.
    int probeReplyTimeoutMs = 600;
    // Longest a command may keep the printer busy (DC2/DC4) before the link gives up: a printer
    // stuck sending busy bytes must not hold the window for ever.
    int commandLimitMs = 5 * 60 * 1000;
    // How long busy bytes (DC2) or paper out (DC4) last before the link tells the window.
    int holdNoticeMs = 2000;
    // Sends of one frame (the first and its resends) before the printer counts as silent;
    // also how many damaged replies in a row are tolerated.
    int maxSends = 3;
    // Sequence numbers advance by this much per new command.
    int seqStep = 1;
    // The first sequence number; random when empty, so a restarted program is unlikely to
    // reuse the number the printer executed last.
    std::optional<quint8> firstSeq;
    // Speeds the brand's printers may be left at, tried in this order with one status request each
    // when nothing answers at the port's own speed; none tried when empty.
    QList<int> searchSpeeds;
    // The longest the whole search may take.
    int speedSearchMs = 4000;
    // The command that sets the printer's own speed (its field the speed in decimal); 0: the
    // brand has none that is known.
    quint8 speedCommand = 0;
    // The harmless request that synchronises the sequence numbers when the port opens.
    quint8 syncCommand = 0x2A;
    QList<QByteArray> syncFields;
    // The printers whose protocol this is, as errors name them ("Hasar", "Epson").
    QString brand;
    // The Spanish name of a command byte, for the wire trace.
    const char* (*commandName)(quint8 command) = nullptr;
    // A reply's status words in words, for the wire trace; empty when it carries none.
    QString (*statusWords)(const QList<QByteArray>& replyFields) = nullptr;
};

#pragma once

#include "epson_protocol.h"

// Every reading of the Epson protocol that public material leaves open, in this one table, so
// that a capture from a real printer changes one line. The virtual Epson keeps its own reading
// (src/sim/epson_words.h) on purpose: a misread here shows as a disagreement there.
struct EpsonReadings {
    struct FeedStation {
        char letter;
        quint8 command;
    };
    // FeedPaper's station letter -> command; "A" read as both stations (ambos).
    FeedStation feedStations[4];

    // GlobalReport: the mode letter that selects a range of Z numbers and the one that selects dates.
    char globalByNumberMode;
    char globalByDateMode;

    // SetDateTime: the action letter that sets the clock; any other reads it.
    char setClockAction;

    // Field sent with CloseTicket and CloseNonFiscalDocument: total cut.
    char closeCut;

    // OpenDrawer carries its drawer number in a field (false: the command goes alone).
    bool drawerNumberSent;

    // Fiscal bits that mean the printer refused a status request itself (unknown, bad field,
    // wrong state, or its memory unusable) rather than reporting a printing problem.
    quint16 statusRequestRefusal;

    // A cancelling payment refused with only these fiscal bits, while no fiscal document is open,
    // found nothing to cancel: it is not an error.
    quint16 cancelNothingOpen;
    // The ticket's cancelling payment (0x44 "C") also cancels a ticket-invoice left open, so a run
    // cut short is cleared by the next run's cancel.
    bool ticketCancelCoversTicketInvoice;

    // Answer properties: the field (1 = printer status, 2 = fiscal status, 3 = first data field)
    // each one reads, after the "C" request and after any other request letter.
    struct AnswerFields {
        int answer0B, answer0E, answer10, answer11;
    };
    char taxpayerLetter;
    AnswerFields afterTaxpayer;
    AnswerFields afterOther;
};

inline constexpr EpsonReadings kEpsonReadings{
    .feedStations = {{'A', epson_code::kFeedBoth},
                     {'T', epson_code::kFeedTicket},
                     {'J', epson_code::kFeedJournal},
                     {'S', epson_code::kFeedSlip}},
    .globalByNumberMode = 'N',
    .globalByDateMode = 'F',
    .setClockAction = 'S',
    .closeCut = 'T',
    .drawerNumberSent = false,
    .statusRequestRefusal = epson_bit::kFiscalMemoryFailed | epson_bit::kWorkingMemoryFailed |
                            epson_bit::kUnknownCommand | epson_bit::kInvalidField | epson_bit::kInvalidState,
    .cancelNothingOpen = epson_bit::kInvalidState | epson_bit::kZRequired,
    .ticketCancelCoversTicketInvoice = true,
    .taxpayerLetter = 'C',
    .afterTaxpayer = {.answer0B = 8, .answer0E = 6, .answer10 = 4, .answer11 = 3},
    .afterOther = {.answer0B = 9, .answer0E = 6, .answer10 = 4, .answer11 = 3},
};

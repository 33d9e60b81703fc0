#pragma once

#include "amount.h"
#include "document_kind.h"
#include "logo_bitmap.h"

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

namespace sim {

// Who the printer was initialised for.
struct FiscalIdentity {
    QString cuit = QStringLiteral("30712345671");
    QString businessName = QStringLiteral("ORBELO IMPRESOR VIRTUAL S.A.");
    QString registration = QStringLiteral("OVH0000001");
    int pointOfSale = 1;
    QDate initialisedOn = QDate(2024, 1, 2);
    QDate activitiesSince = QDate(2024, 1, 1);
    QString grossIncome = QStringLiteral("901-123456-7");
    QString ivaResponsibility = QStringLiteral("I");

    bool operator==(const FiscalIdentity&) const = default;
};

// Documents and amounts since the last Z.
struct DayTotals {
    int cancelled = 0;
    int homologated = 0;
    int nonFiscal = 0;
    int fiscal = 0;
    Amount sold;
    Amount tax;
    Amount credited;
    Amount creditedTax;

    bool operator==(const DayTotals&) const = default;
};

// One daily close as the fiscal memory keeps it.
struct ZRecord {
    int number = 0;
    QDate date;
    DayTotals totals;

    bool operator==(const ZRecord&) const = default;
};

struct LastNumbers {
    quint32 a = 0;
    quint32 b = 0;
    quint32 creditNoteA = 0;
    quint32 creditNoteB = 0;
    quint32 deliveryNote = 0;
    quint32 nonFiscal = 0;
    // The last invoice or ticket fully issued: a cancelled one is printed, and numbered, but not issued.
    quint32 issuedA = 0;
    quint32 issuedB = 0;

    bool operator==(const LastNumbers&) const = default;
};

struct Customer {
    QString name;
    QString id;
    QString responsibility;
    QString idType;
    QString address;

    bool operator==(const Customer&) const = default;
};

// What GetConfigurationData answers: the controller's settings, as a printer leaves the factory.
struct Configuration {
    Amount finalConsumerLimit{1000 * Amount::kScale};  // above it a final consumer must be named
    Amount ticketInvoiceLimit{5000 * Amount::kScale};
    Amount unregisteredTaxRate{105'000};  // 10.50 %, the IVA of a "responsable no inscripto"
    bool printChange = true;              // "CAMBIO $0.00"
    bool printLegends = true;
    char cutType = 'F';  // F total, P partial, N none

    bool operator==(const Configuration&) const = default;
};

struct OpenDocument {
    DocumentKind kind = DocumentKind::Ticket;
    quint32 number = 0;  // 0 for unnumbered kinds
    QString reference;   // identification given at opening, for unnumbered kinds
    Amount total;
    Amount tax;
    Amount paid;
    int items = 0;
    int payments = 0;
    int textsInRow = 0;    // fiscal texts since the last item
    int receiptLines = 0;  // receipt text lines

    bool operator==(const OpenDocument&) const = default;
};

// Everything a fiscal printer keeps between power cycles. Both brands share it.
struct FiscalMemory {
    static constexpr int kEmbarkLines = 2;
    static constexpr int kFantasyLines = 2;
    // Lines 1-10 are the header, 11-20 the trailer.
    static constexpr int kHeaderLines = 10;
    static constexpr int kHeaderTrailerLines = 20;

    // The longest texts either brand keeps: the state file holds no less, so whatever a printer
    // stores it loads again (Epson keeps 40-character credit-note references in the embark
    // lines and identity-document types such as "PASAPO").
    static constexpr int kMaxCustomerText = 50;
    static constexpr int kMaxIdType = 6;
    static constexpr int kMaxEmbarkText = 40;
    static constexpr int kMaxReference = 20;
    // A fantasy-name line fits a ticket; a header or trailer line the widest paper, a slip
    // model's 120 columns (a double-width line, its mark and half as many, is shorter).
    static constexpr int kMaxFantasyText = 40;
    static constexpr int kMaxHeaderText = 120;
    // Payments of a Hasar ticket-invoice, the most either brand takes.
    static constexpr int kMaxPayments = 6;

    // X reports are numbered in four digits and wrap from 9999 back to 1, as document numbers
    // wrap after eight.
    static constexpr int kMaxXNumber = 9999;
    static int nextXNumber(int last) { return last % kMaxXNumber + 1; }

    // Event counters (the day's documents, a document's items, drawer openings, cuts) stop at
    // eight digits, the width the printers report them in, instead of wrapping to a smaller
    // count or overflowing.
    static constexpr int kMaxCount = 99'999'999;
    static void countUp(int& counter) {
        if (counter < kMaxCount) ++counter;
    }

    bool initialised = true;
    bool moduleOpen = true;
    FiscalIdentity identity;
    int zCapacity = 1825;
    int lastZ = 0;
    int lastX = 0;
    QList<ZRecord> zRecords;
    LastNumbers last;
    DayTotals day;
    std::optional<Customer> customer;  // for the next document
    QString embark[kEmbarkLines];      // associated-document lines for the next document
    // The owner's lines printed on every document: the fantasy name and header above, the
    // trailer below; empty when not set. A double-width line starts with its mark.
    QString fantasyName[kFantasyLines];
    QString headerTrailer[kHeaderTrailerLines];
    Configuration configuration;
    std::optional<OpenDocument> open;
    bool lastCancelled = false;  // the last document ended cancelled
    // The last command that ran, queries aside, was a Z: the Hasar sets its clock only then.
    bool rightAfterZ = false;
    bool zDue = false;  // Epson: a Z must be taken before the next fiscal document
    qint64 clockOffsetMs = 0;  // printer clock minus the host clock
    std::optional<LogoBitmap> logo;
    int drawerOpenings = 0;
    int cuts = 0;

    bool operator==(const FiscalMemory&) const;
};

}  // namespace sim

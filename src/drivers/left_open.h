#pragma once

#include <QString>

// What a cancel found open in the printer and what became of it, for the technician.
struct LeftOpen {
    enum class End {
        Nothing,              // nothing was open
        Cancelled,            // cancelled: not issued
        Closed,               // a non-fiscal document the model can only close
        IssuedPaid,           // it held its payment and could only be closed: issued
        IssuedUncancellable,  // the model cannot cancel it and could only close it: issued
    };
    End end = End::Nothing;
    // "FACTURA A", or "el comprobante fiscal" when the printer does not tell which.
    QString document{};
    // As printed ("0001-00000124"); empty when the printer does not tell it.
    QString number{};

    bool found() const { return end != End::Nothing; }
};

// Who met the open document: an operation about to start, which found it left by an earlier
// one, or the technician's own press of CANCELAR COMPROBANTE.
enum class LeftOpenFoundBy { Operation, CancelButton };

// What the technician reads; empty when nothing was open.
QString leftOpenNotice(const LeftOpen& found, LeftOpenFoundBy foundBy);

// The number as printed: point of sale and eight digits ("0001-00000124"), or the digits alone.
QString printedNumber(quint32 number, const QString& pointOfSale);

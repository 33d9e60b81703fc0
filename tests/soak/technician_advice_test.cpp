#include "technician_advice.h"
#include "support/named_case.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using S = TechnicianStep;

struct Case {
    const char* name;
    int number;          // the error number shown; 0: a text without one; -1: no message
    const char* words;
    bool issuedAlready;
    Advice advice;
};

QString shown(const Case& c) {
    const QString words = QString::fromUtf8(c.words);
    if (c.number < 0) return {};
    return c.number == 0 ? words : QStringLiteral("El sistema detectó el error Nº %1 ''%2''").arg(c.number).arg(words);
}

// Texts as the window shows them; the number decides, the words add the plug and the Z.
const Case kCases[] = {
    {"NoMessage", -1, "", false, {S::Nothing, false, false}},
    {"IssuedReplyLost", 8018, "Se emitió FACTURA A Nº 0001-00000003, pero su respuesta se perdió", false, {S::Nothing, false, false}},
    {"DoubtAndTheRollHoldsIt", 8020, "No se sabe si se emitió el INFORME GLOBAL", true, {S::Nothing, false, false}},
    {"DoubtAndTheRollLacksIt", 8020, "No se sabe si se emitió el INFORME GLOBAL", false, {S::Repeat, false, false}},
    {"OpenWithItsPayment", 8021, "FACTURA A sigue abierto con su pago", false, {S::FinishWithCancel, false, false}},
    {"PortLost", 8005, "Se perdió la conexión con el puerto COM1: error de lectura", false, {S::Repeat, true, false}},
    {"SilentPrinterIsNoPortError", 8007, "El impresor fiscal no responde en COM1", false, {S::Repeat, false, false}},
    {"ZDue", 8013, "es necesario hacer un cierre Z: tómelo con IMPRIMIR Z y repita la operación", false, {S::Repeat, false, true}},
    {"ClockNoticeAsksForAZ", 0, "Debe sacar zeta para poder cambiar la FECHA y HORA", false, {S::Repeat, false, true}},
    // A click of several: told what a repeat issues again or what it did not reach, nothing is repeated.
    {"PortLostAfterTheTicket", 8005, "Se perdió la conexión. Antes del error esta operación ya emitió TIQUE: si la repite, se emite otra vez.", false, {S::Nothing, false, false}},
    {"DoubtOnTheFirstOfTwo", 8020, "No se sabe si se emitió FACTURA A. No llegó a emitir lo que seguía: FACTURA A.", false, {S::Nothing, false, false}},
    {"OpenPaidIsStillFinished", 8021, "FACTURA A sigue abierto con su pago. No llegó a emitir lo que seguía: 2 comprobantes (FACTURA A: 2).", false, {S::FinishWithCancel, false, false}},
    {"DeclinedSpeedQuestion", 0, "El impresor responde a 19200 baudios, no a 9600: ¿cambiar el puerto?", false, {S::Repeat, false, false}},
};

class Advices : public ::testing::TestWithParam<Case> {};

TEST_P(Advices, FollowTheMessage) {
    const Case& c = GetParam();
    const Advice a = adviceFor(shown(c), c.issuedAlready);
    EXPECT_EQ(a.step, c.advice.step);
    EXPECT_EQ(a.plugBackIn, c.advice.plugBackIn);
    EXPECT_EQ(a.takeZFirst, c.advice.takeZFirst);
}

INSTANTIATE_TEST_SUITE_P(Technician, Advices, ::testing::ValuesIn(kCases), named_case::testName);

}  // namespace

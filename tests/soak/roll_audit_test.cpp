#include "roll_audit.h"
#include "support/named_case.h"

#include <QJsonDocument>
#include <gtest/gtest.h>

#include <string>

namespace {

struct Case {
    const char* name;
    const char* roll;   // lines separated by '|'
    const char* state;  // the saved fiscal memory's JSON
    const char* broken; // a part of the one break expected; "" when the two agree
};

const Case kCases[] = {
    {"TwoInvoicesInTurn",
     "== FACTURA A Nro 0001-00000001 ==|x|== FIN FACTURA A Nro 0001-00000001 ==|== FACTURA A Nro 0001-00000002 ==|== FIN FACTURA A Nro 0001-00000002 ==",
     R"({"last_numbers":{"a":2},"open_document":null})", ""},
    // A ticket and an invoice B share their counter.
    {"TicketAndInvoiceBShareACounter",
     "== TIQUE Nro 0001-00000001 ==|== FIN TIQUE Nro 0001-00000001 ==|== FACTURA B Nro 0001-00000002 ==|== FIN FACTURA B Nro 0001-00000002 ==",
     R"({"last_numbers":{"b":2},"open_document":null})", ""},
    // A power cut cancels the document, which comes back under the next number, still open.
    {"RestoredAfterAPowerCut",
     "== REMITO Nro 0001-00000001 ==|CORTE DE CORRIENTE|== CANCELADO REMITO Nro 0001-00000001 ==|== REMITO Nro 0001-00000002 ==|COMPROBANTE RESTAURADO",
     R"({"last_numbers":{"delivery_note":1},"open_document":{"kind":"delivery_note"}})", ""},
    {"NumberUsedTwice",
     "== FACTURA A Nro 0001-00000001 ==|== FIN FACTURA A Nro 0001-00000001 ==|== FACTURA A Nro 0001-00000001 ==|== FIN FACTURA A Nro 0001-00000001 ==",
     R"({"last_numbers":{"a":1},"open_document":null})", "no es correlativa"},
    {"NumberSkipped",
     "== INFORME Z Nro 0001 ==|== FIN INFORME Z Nro 0001 ==|== INFORME Z Nro 0003 ==|== FIN INFORME Z Nro 0003 ==",
     R"({"last_z":3,"open_document":null})", "no es correlativa"},
    {"MemoryBehindTheRoll", "== DOCUMENTO NO FISCAL Nro 00000004 ==|== FIN DOCUMENTO NO FISCAL Nro 00000004 ==",
     R"({"last_numbers":{"non_fiscal":3},"open_document":null})", "guarda 3"},
    {"OpenOnTheRollOnly", "== FACTURA B Nro 0001-00000001 ==|item",
     R"({"last_numbers":{"b":0},"open_document":null})", "la memoria fiscal no tiene documento abierto"},
    {"OpenInTheMemoryOnly", "== FACTURA B Nro 0001-00000001 ==|== FIN FACTURA B Nro 0001-00000001 ==",
     R"({"last_numbers":{"b":1},"open_document":{"kind":"invoice_b"}})", "que el rollo no muestra"},
    {"BegunInsideAnother", "== RECIBO X R1 ==|== INFORME GLOBAL 1-2 ==|== FIN INFORME GLOBAL 1-2 ==",
     R"({"open_document":null})", "con RECIBO X R1 abierto"},
    {"EndOfNothing", "== FIN INFORME X Nro 0001 ==", R"({"last_x":1,"open_document":null})", "no cierra ningún documento"},
};

class RollAudit : public ::testing::TestWithParam<Case> {};

TEST_P(RollAudit, FindsWhatTheRollAndTheMemoryContradict) {
    const Case& c = GetParam();
    const QJsonObject state = QJsonDocument::fromJson(QByteArray(c.state)).object();
    const QStringList broken = auditRoll(readRoll(QString::fromUtf8(c.roll).split(QLatin1Char('|'))), state);
    if (*c.broken == '\0') {
        EXPECT_TRUE(broken.isEmpty()) << broken.join(QLatin1Char('\n')).toStdString();
    } else {
        ASSERT_EQ(broken.size(), 1) << broken.join(QLatin1Char('\n')).toStdString();
        EXPECT_TRUE(broken.first().contains(QString::fromUtf8(c.broken))) << broken.first().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Soak, RollAudit, ::testing::ValuesIn(kCases), named_case::testName);

}  // namespace

namespace {

TEST(RollBlockKinds, LeaveOutTheNumberTheRangeAndTheReference) {
    const struct {
        const char* title;
        const char* kind;
    } cases[] = {
        {"FACTURA A Nro 0001-00000007", "FACTURA A"},
        {"DOCUMENTO NO FISCAL Nro 00000003", "DOCUMENTO NO FISCAL"},
        {"INFORME Z Nro 0012", "INFORME Z"},
        {"INFORME GLOBAL 01/01/97-09/12/26", "INFORME GLOBAL"},
        {"RECIBO X R-0001", "RECIBO X"},
        {"CAMBIO DE FECHA Y HORA", "CAMBIO DE FECHA Y HORA"},
    };
    for (const auto& c : cases) EXPECT_EQ(RollBlock{QString::fromUtf8(c.title)}.kind(), QString::fromUtf8(c.kind)) << c.title;
}

}  // namespace

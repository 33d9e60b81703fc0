#include "e2e_fixture.h"
#include "support/named_case.h"

#include "servicedata/service_data.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>

namespace {

struct Bench {
    const char* name;
    const char* entry;
    int port;  // index in the port list: the Hasar on COM1, the Epson on COM2
};

void PrintTo(const Bench& b, std::ostream* os) { *os << b.name; }

class ServiceEndToEnd : public EndToEnd, public ::testing::WithParamInterface<Bench> {
protected:
    void SetUp() override {
        start();
        startServiceMode(w());
        selectModel(QString::fromLatin1(GetParam().entry));
        w().cboPuerto->setCurrentIndex(GetParam().port);
    }
    QLineEdit* box(const QString& name) { return w().findChild<QLineEdit*>(name); }
    void press(const char* name) {
        w().Tab->setCurrentIndex(2);
        click(w().findChild<QPushButton*>(QString::fromLatin1(name)));
    }
    void printInvoiceB() {
        w().Tab->setCurrentIndex(0);
        w().txtCant->setText(QStringLiteral("1"));
        click(w().btnFacB);
        click(w().btnAceptar);
    }
    VirtualPrinterProcess& printer() { return GetParam().port == 0 ? *hasarPrinter : *epsonPrinter; }
    QString messages() const { return trace.lines().join(QLatin1Char('\n')); }
};

// A header line sent and confirmed is on the next document's roll; one not confirmed is not.
TEST_P(ServiceEndToEnd, AConfirmedHeaderLineIsPrintedOnTheNextDocument) {
    press("btnTraeDatos");
    EXPECT_TRUE(trace.lines().isEmpty()) << messages().toStdString();
    EXPECT_TRUE(box(QStringLiteral("txtRazonSocial"))->text().startsWith(QStringLiteral("ORBELO IMPRESOR VIRTUAL")));

    box(QStringLiteral("txtLinea(1)"))->setText(QStringLiteral("SUCURSAL NO CONFIRMADA"));
    press("btnEnviarEncabezado");
    printInvoiceB();

    prompts.answerQuestions(true);
    box(QStringLiteral("txtLinea(1)"))->setText(QStringLiteral("LA ESQUINA DE PEÑA"));
    press("btnEnviarEncabezado");
    printInvoiceB();
    // Two questions (No, then Sí) and nothing else.
    ASSERT_EQ(trace.lines().size(), 2) << messages().toStdString();
    EXPECT_TRUE(trace.lines()[0].endsWith(QStringLiteral("=No"))) << messages().toStdString();
    EXPECT_TRUE(trace.lines()[1].endsWith(QStringLiteral("=Sí"))) << messages().toStdString();

    // The Epson takes a typed Ñ as N.
    const QString kept = GetParam().port == 0 ? QStringLiteral("LA ESQUINA DE PEÑA") : QStringLiteral("LA ESQUINA DE PENA");
    const QStringList paper = printer().paper();
    const QStringList heads = titles(paper);
    ASSERT_GE(heads.size(), 2) << paper.join(QLatin1Char('\n')).toStdString();
    const qsizetype first = paper.indexOf(heads[heads.size() - 2]);
    const qsizetype second = paper.indexOf(heads.last());
    EXPECT_FALSE(paper.mid(first, second - first).join(QLatin1Char('\n')).contains(QLatin1String("SUCURSAL")));
    EXPECT_TRUE(paper.mid(second, 4).contains(kept)) << paper.mid(second).join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Brands, ServiceEndToEnd,
                         ::testing::Values(Bench{"HasarP320", "8 - Hasar P320/PL-8/PL-9/PL-23/P321/P322/P330/320/P425/2008", 0},
                                           Bench{"Epson", "10 - Epson", 1}),
                         named_case::testName);

}  // namespace

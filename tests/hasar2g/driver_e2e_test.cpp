// Our 2G driver against the virtual 2G Hasar on a real socket: the window's operations come out on
// the roll, the answers sit where the window reads them, what the second generation lacks is
// refused before anything is sent, and the credentials never reach the trace.

#include "driver_2g_fixture.h"
#include "support/named_case.h"

#include "drivers/error_numbers.h"
#include "drivers/hasar_answer.h"
#include "drivers/link/link_trace.h"

#include <QFile>

namespace {

using namespace error_number;

const QByteArray FS(1, '\x1C');

QByteArray raw(char command, std::initializer_list<QByteArray> fields) {
    QByteArray r(1, command);
    for (const QByteArray& f : fields) r += FS + f;
    return r;
}

// The window's test documents as it sends them to a Hasar of the ticket families, and what each
// leaves on the roll.
struct Sequence {
    const char* name;
    std::function<void(HasarPrinter&)> run;
    QList<std::pair<QString, int>> printed;  // a line and how many times it is on the roll
};

void customerA(HasarPrinter& h) { h.SetCustomerData(QStringLiteral("Cliente de Prueba"), QStringLiteral("99999999995"), 'C', 'I'); }

void items(HasarPrinter& h) { h.ImprimirItem(QStringLiteral("Item de Prueba "), 1.0, 0.01, 0.0, 0.0); }

const Sequence kSequences[] = {
    {"InvoiceB",
     [](HasarPrinter& h) {
         customerA(h);
         h.OpenFiscalReceipt('T');
         items(h);
         h.CloseFiscalReceipt();
         h.OpenFiscalReceipt('A');
         items(h);
         h.CloseFiscalReceipt();
     },
     {{QStringLiteral("== FIN TIQUE Nro 00001-00000001 =="), 1}, {QStringLiteral("== FIN TIQUE FACTURA A Nro 00001-00000001 =="), 1}}},
    {"CreditNoteAAsRawCommands",
     [](HasarPrinter& h) {
         h.SendCommand(raw(char(0x93), {"1", "A-0001-00000001"}));
         h.SendCommand(raw(char(0x62), {"Cliente de Prueba", "99999999995", "I", "C", "Domicilio"}));
         h.SendCommand(raw(char(0x80), {"R", "T"}));
         items(h);
         h.SendCommand(raw(char(0x81), {}));
     },
     {{QStringLiteral("DOC ASOCIADO 1 TIQUE FACTURA A 00001-00000001"), 1},
      {QStringLiteral("== FIN TIQUE NOTA DE CREDITO A Nro 00001-00000001 =="), 1}}},
    {"Reports",
     [](HasarPrinter& h) {
         h.PrintXReport();
         h.PrintZReport();
         h.GlobalReportByDate(QDate(1997, 1, 1), QDate::currentDate(), true);
         h.GlobalReportByNumber(1, 1, true);
     },
     {{QStringLiteral("== INFORME X Nro 0001 =="), 1}, {QStringLiteral("== INFORME Z Nro 0001 =="), 1},
      {QStringLiteral("== FIN INFORME DE CIERRES Z"), 2}}},
    {"ClockThroughTheRawCommand",
     [](HasarPrinter& h) { h.SendCommand(raw('X', {"300102", "101500"})); },
     {{QStringLiteral("NUEVA FECHA 02/01/30 HORA 10:15:00"), 1}}},
};

class Documents : public Driver2gTest, public ::testing::WithParamInterface<Sequence> {};

TEST_P(Documents, ComeOutOnTheRoll) {
    start();
    QString said;
    EXPECT_EQ(errorOf([&] {
                  driver->BeginSession();
                  GetParam().run(*driver);
                  driver->Finalizar();
              }, &said),
              0)
        << said.toStdString();
    const QString roll = printer.roll();
    for (const auto& [line, times] : GetParam().printed) EXPECT_EQ(roll.count(line), times) << line.toStdString() << "\n" << roll.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Window, Documents, ::testing::ValuesIn(kSequences), named_case::testName);

TEST_F(Driver2gTest, AnswersSitWhereTheWindowReadsThem) {
    start();
    driver->BeginSession();
    customerA(*driver);
    driver->OpenFiscalReceipt('A');
    items(*driver);
    driver->CloseFiscalReceipt();

    driver->QueryInitData();
    EXPECT_GE(driver->Respuesta(0).size(), hasar_answer::kUsableAnswerLength);
    EXPECT_EQ(driver->Respuesta(hasar_answer::kTaxId), QStringLiteral("30712345701"));
    EXPECT_EQ(driver->Respuesta(hasar_answer::kOwnerName), QStringLiteral("ORBELO IMPRESOR VIRTUAL 2G S.A."));
    EXPECT_EQ(driver->Respuesta(hasar_answer::kPrinterNumber), QStringLiteral("OV2G000001"));
    EXPECT_EQ(driver->Respuesta(hasar_answer::kPointOfSale), QStringLiteral("1"));

    driver->QueryStatus();
    EXPECT_EQ(driver->Respuesta(hasar_answer::kLastInvoiceA), QStringLiteral("1"));
    EXPECT_EQ(driver->Respuesta(hasar_answer::kLastInvoiceBC), QStringLiteral("0"));
    EXPECT_EQ(driver->Respuesta(hasar_answer::kLastCreditNoteACopy), QStringLiteral("0"));

    // The day so far: nothing cancelled, nothing non-fiscal, one fiscal document.
    driver->QueryDayActivity();
    EXPECT_EQ(driver->Respuesta(hasar_answer::kCancelledToday), QStringLiteral("0"));
    EXPECT_EQ(driver->Respuesta(hasar_answer::kNonFiscalToday), QStringLiteral("0"));
    EXPECT_EQ(driver->Respuesta(hasar_answer::kFiscalToday), QStringLiteral("1"));

    // No known 2G command tells the Z capacity: the answer carries nothing, never a made-up number.
    driver->QueryDailyStatus();
    EXPECT_LT(driver->Respuesta(0).size(), hasar_answer::kUsableAnswerLength);
}

TEST_F(Driver2gTest, RefusesInWordsWhatTheSecondGenerationLacksBeforeSendingIt) {
    start();
    driver->BeginSession();
    const std::pair<const char*, std::function<void()>> lacking[] = {
        {"OpenDrawer", [&] { driver->OpenDrawer(); }},
        {"CutPaper", [&] { driver->CutPaper(); }},
        {"LoadLogo", [&] { driver->LoadLogo(QStringLiteral("logo.bmp")); }},
        {"SetPrinterSpeed", [&] { driver->SetPrinterSpeed(9600, 19200); }},
        {"SetServiceText", [&] { driver->SetServiceText(ServiceText::HeaderTrailer, 1, QStringLiteral("Hola")); }},
        {"PrintReceiptText", [&] { driver->PrintReceiptText(QStringLiteral("Hola")); }},
        {"OpenNonFiscalDocument", [&] { driver->OpenNonFiscalDocument(); }},
        {"RawCommandWithoutTwin", [&] { driver->SendCommand(raw(char(0x99), {})); }},
        {"SlipModel", [&] { driver->Model(7); }},
    };
    for (const auto& [name, call] : lacking) {
        QString said;
        EXPECT_EQ(errorOf(call, &said), kCommandNotInModel) << name;
        EXPECT_TRUE(said.contains(QStringLiteral("Hasar 2G"))) << name << ": " << said.toStdString();
    }
    QString said;
    EXPECT_EQ(errorOf([&] { driver->SetCustomerData(QStringLiteral("Cliente\x01"), QStringLiteral("20123456786"), 'C', 'I', std::nullopt); }, &said),
              kUnprintableCharacter)
        << said.toStdString();
    EXPECT_EQ(printer.roll(), QString());
    EXPECT_EQ(printer.status(910).value(QLatin1String("ComprobanteEnCurso")).toString(), QStringLiteral("0"));
}

TEST_F(Driver2gTest, ARefusalCarriesThePrintersOwnDescription) {
    start();
    driver->BeginSession();
    QString said;
    EXPECT_EQ(errorOf([&] { driver->CloseFiscalReceipt(); }, &said), kPrinterRefused);
    EXPECT_TRUE(said.contains(QStringLiteral("CerrarDocumento"))) << said.toStdString();
    EXPECT_TRUE(said.contains(QStringLiteral("no hay un comprobante abierto"))) << said.toStdString();
}

TEST_F(Driver2gTest, AWrongPasswordOrNoPrinterStopsTheSession) {
    start({QStringLiteral("--password"), QStringLiteral("buena")}, QStringLiteral("tecnico"), QStringLiteral("mala"));
    QString said;
    EXPECT_EQ(errorOf([&] { driver->BeginSession(); }, &said), kLoginRefused) << said.toStdString();
    EXPECT_FALSE(said.contains(QStringLiteral("mala")));
    EXPECT_EQ(errorOf([&] { driver->QueryStatus(); }), kPortNotOpen);

    Hasar2gDriver nowhere([](int) { return QStringLiteral("http://127.0.0.1:1"); }, {}, Hasar2gLimits{500, 500, 30, 500, 500});
    nowhere.ComPort(2);
    EXPECT_EQ(errorOf([&] { nowhere.BeginSession(); }, &said), kNetworkUnreachable) << said.toStdString();
    Hasar2gDriver serial([](int) { return QStringLiteral("/dev/ttyS0"); }, {});
    serial.ComPort(1);
    EXPECT_EQ(errorOf([&] { serial.BeginSession(); }, &said), kNetworkUnreachable) << said.toStdString();
}

TEST_F(Driver2gTest, TheTraceNeverShowsTheCredentials) {
    start({QStringLiteral("--password"), QStringLiteral("s3cr3t-clave")}, QStringLiteral("tecnico"), QStringLiteral("s3cr3t-clave"));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("traza.txt"));
    ASSERT_TRUE(link_trace::setFile(path));
    driver->BeginSession();
    driver->QueryInitData();
    link_trace::setFile(QString());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray trace = file.readAll();
    EXPECT_TRUE(trace.contains("Authorization: ***")) << trace.toStdString();
    EXPECT_TRUE(trace.contains("ConsultarDatosInicializacion"));
    EXPECT_FALSE(trace.contains("s3cr3t"));
    EXPECT_FALSE(trace.contains(QByteArray("tecnico:s3cr3t-clave").toBase64()));
}

}  // namespace

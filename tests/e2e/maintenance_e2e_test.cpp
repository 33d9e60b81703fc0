#include "maintenance_e2e_fixture.h"

#include <QFile>

namespace {

using namespace maintenance_e2e;

// --- Cutter and drawer ---

TEST_F(MaintenanceEndToEnd, HasarCutterPrintsAndCutsThreeTimesInsideOneNonFiscalDocumentItThenCloses) {
    start();
    useHasar();
    w().txtCant->setText(QStringLiteral("3"));
    click(w().btnPruebaCuchilla);
    expectNoMessage();

    const QStringList paper = hasarPrinter->paper();
    ASSERT_FALSE(paper.isEmpty());
    EXPECT_TRUE(paper.first().startsWith(QStringLiteral("== DOCUMENTO NO FISCAL Nro "))) << joined(paper).toStdString();
    QStringList texts;
    for (const QString& line : paper)
        if (line == kCutterText || line == kCut) texts << line;
    EXPECT_EQ(texts, QStringList({kCutterText, kCut, kCutterText, kCut, kCutterText, kCut}));
    // The 615 has no Cancel: the non-fiscal document left open is closed.
    EXPECT_TRUE(paper.last().startsWith(QStringLiteral("== FIN DOCUMENTO NO FISCAL Nro "))) << joined(paper).toStdString();

    const QJsonObject state = hasarPrinter->state();
    EXPECT_EQ(state.value(QStringLiteral("cuts")).toInt(), 3);
    EXPECT_TRUE(state.value(QStringLiteral("open_document")).isNull());
}

TEST_F(MaintenanceEndToEnd, EpsonCutterFeedsAndCutsThreeTimesOnPortTwo) {
    start();
    useEpson();
    ASSERT_EQ(w().cboPuerto->currentText(), QStringLiteral(" 2"));
    w().txtCant->setText(QStringLiteral("3"));
    click(w().btnPruebaCuchilla);
    expectNoMessage();

    EXPECT_EQ(epsonPrinter->paper(), QStringList({kCut, kCut, kCut}));
    EXPECT_EQ(epsonPrinter->state().value(QStringLiteral("cuts")).toInt(), 3);
    EXPECT_TRUE(hasarPrinter->paper().isEmpty());
}

TEST_F(MaintenanceEndToEnd, EpsonCutterFirstCancelsATicketLeftOpen) {
    // An Epson printer that never takes the close of a ticket.
    start({}, {QStringLiteral("--fault"), QStringLiteral("nak-request,cmd=45,times=0")});
    useEpson();
    w().txtCant->setText(QStringLiteral("1"));
    click(w().btnFacB);
    click(w().btnAceptar);
    ASSERT_EQ(trace.lines().size(), 1);  // the close failed: the ticket stays open, paid
    trace.clear();

    w().txtCant->setText(QStringLiteral("2"));
    click(w().btnPruebaCuchilla);
    // The ticket's cancel may end a ticket-invoice too: the printer's counters tell only the series.
    EXPECT_EQ(trace.lines(), QStringList{toldCancelledLeftOpen(QStringLiteral("el comprobante B/C Nº 0001-00000001"))});

    const QStringList paper = epsonPrinter->paper();
    ASSERT_GE(paper.size(), 3);
    EXPECT_TRUE(paper.first().startsWith(QStringLiteral("== TIQUE "))) << joined(paper).toStdString();
    EXPECT_EQ(paper.mid(paper.size() - 3), QStringList({QStringLiteral("== CANCELADO ") + paper.first().mid(3), kCut, kCut}))
        << joined(paper).toStdString();
    const QJsonObject state = epsonPrinter->state();
    EXPECT_EQ(state.value(QStringLiteral("cuts")).toInt(), 2);
    EXPECT_TRUE(state.value(QStringLiteral("open_document")).isNull());
}

TEST_F(MaintenanceEndToEnd, DrawerOpensOnceOnEachBrandWhateverTheCount) {
    start();
    w().txtCant->setText(QStringLiteral("3"));
    useHasar();
    click(w().btnAperturaCajon);
    useEpson();
    click(w().btnAperturaCajon);
    expectNoMessage();

    EXPECT_EQ(hasarPrinter->paper(), QStringList({kDrawerOpened}));
    EXPECT_EQ(hasarPrinter->state().value(QStringLiteral("drawer_openings")).toInt(), 1);
    EXPECT_EQ(epsonPrinter->paper(), QStringList({kDrawerOpened}));
    EXPECT_EQ(epsonPrinter->state().value(QStringLiteral("drawer_openings")).toInt(), 1);
}

// --- Date and time ---

TEST_F(MaintenanceEndToEnd, HasarClockChangeIsRefusedAfterADocumentAndTakenAfterTheZ) {
    start();
    useHasar();
    printInvoiceA();
    ASSERT_TRUE(trace.lines().isEmpty()) << joined(trace.lines()).toStdString();

    clock.set(kTechnicianClock);
    const QDateTime refusedAt = QDateTime::currentDateTime();
    click(w().btnCambioFechaHora);
    EXPECT_EQ(trace.lines(), QStringList({message(Prompts::kExclamation, kTakeZFirst)}));
    trace.clear();

    w().txtCant->setText(QStringLiteral("1"));
    click(w().btnZ);
    const QDateTime zDone = QDateTime::currentDateTime();
    const qint64 beforeMs = QDateTime::currentMSecsSinceEpoch();
    click(w().btnCambioFechaHora);
    const qint64 afterMs = QDateTime::currentMSecsSinceEpoch();
    expectNoMessage();
    printInvoiceA();
    const QDateTime printedBy = kTechnicianClock.addMSecs(QDateTime::currentMSecsSinceEpoch() - beforeMs + 1000);
    expectNoMessage();

    const QStringList paper = hasarPrinter->paper();
    // The refused change left the printer on its own time: the Z shows the real local time.
    const QDateTime zTime = printedTimeAfter(paper, QStringLiteral("== INFORME Z "));
    EXPECT_GE(zTime, refusedAt.addSecs(-1)) << joined(paper).toStdString();
    EXPECT_LE(zTime, zDone.addSecs(1)) << joined(paper).toStdString();
    // The documents printed after the change carry the technician's clock.
    const QStringList printed = titles(paper);
    ASSERT_FALSE(printed.isEmpty());
    ASSERT_FALSE(printed.last().startsWith(QStringLiteral("== INFORME"))) << joined(printed).toStdString();
    const QDateTime invoiceTime = printedTimeAfter(paper, printed.last());
    EXPECT_GE(invoiceTime, kTechnicianClock) << joined(paper).toStdString();
    EXPECT_LE(invoiceTime, printedBy) << joined(paper).toStdString();
    expectClockSetTo(hasarPrinter->state(), kTechnicianClock, beforeMs, afterMs);
}

// Each kind of document the day can hold since the last Z keeps the Hasar clock where it is.
enum class DayActivity { FiscalInvoice, NonFiscalDocument, CancelledInvoice };

class MaintenanceClockRefusalEndToEnd : public MaintenanceEndToEnd, public ::testing::WithParamInterface<DayActivity> {};

TEST_P(MaintenanceClockRefusalEndToEnd, HasarRefusesTheChangeAndKeepsItsClock) {
    switch (GetParam()) {
    case DayActivity::FiscalInvoice:
        start();
        useHasar();
        printInvoiceA();
        break;
    case DayActivity::NonFiscalDocument:
        start();
        useHasar();
        w().txtCant->setText(QStringLiteral("1"));
        click(w().btnPruebaCuchilla);
        break;
    case DayActivity::CancelledInvoice:
        start({QStringLiteral("--fault"), QStringLiteral("nak-request,cmd=45,times=0")});
        useHasar();
        printInvoiceA();
        click(w().btnCancelarTodo);
        trace.clear();  // the failed close
        break;
    }
    ASSERT_TRUE(trace.lines().isEmpty()) << joined(trace.lines()).toStdString();

    clock.set(kTechnicianClock);
    click(w().btnCambioFechaHora);
    EXPECT_EQ(trace.lines(), QStringList({message(Prompts::kExclamation, kTakeZFirst)}));
    // A new virtual printer keeps local time, which is UTC plus the zone's offset.
    EXPECT_EQ(hasarPrinter->state().value(QStringLiteral("clock_offset_ms")).toInteger(),
              qint64{QDateTime::currentDateTime().offsetFromUtc()} * 1000);
}

INSTANTIATE_TEST_SUITE_P(Maintenance, MaintenanceClockRefusalEndToEnd,
                         ::testing::Values(DayActivity::FiscalInvoice, DayActivity::NonFiscalDocument,
                                           DayActivity::CancelledInvoice),
                         [](const auto& info) {
                             switch (info.param) {
                             case DayActivity::FiscalInvoice: return "FiscalInvoice";
                             case DayActivity::NonFiscalDocument: return "NonFiscalDocument";
                             case DayActivity::CancelledInvoice: return "CancelledInvoice";
                             }
                             return "";
                         });

TEST_F(MaintenanceEndToEnd, EpsonClockChangeGoesThroughWithoutAskingAndTheNextTicketCarriesIt) {
    start();
    useEpson();
    clock.set(kTechnicianClock);
    const qint64 beforeMs = QDateTime::currentMSecsSinceEpoch();
    click(w().btnCambioFechaHora);
    const qint64 afterMs = QDateTime::currentMSecsSinceEpoch();
    expectNoMessage();
    w().txtCant->setText(QStringLiteral("1"));
    click(w().btnFacB);
    click(w().btnAceptar);
    const QDateTime printedBy = kTechnicianClock.addMSecs(QDateTime::currentMSecsSinceEpoch() - beforeMs + 1000);
    expectNoMessage();

    // The ticket printed next carries the technician's clock.
    const QStringList paper = epsonPrinter->paper();
    const QDateTime ticketTime = printedTimeAfter(paper, QStringLiteral("== TIQUE "));
    EXPECT_GE(ticketTime, kTechnicianClock) << joined(paper).toStdString();
    EXPECT_LE(ticketTime, printedBy) << joined(paper).toStdString();
    expectClockSetTo(epsonPrinter->state(), kTechnicianClock, beforeMs, afterMs);
}

TEST_F(MaintenanceEndToEnd, EpsonClockChangeAfterATicketIsRefusedAndSaysToTakeTheZFirst) {
    start();
    useEpson();
    w().txtCant->setText(QStringLiteral("1"));
    click(w().btnFacB);
    click(w().btnAceptar);
    expectNoMessage();

    clock.set(kTechnicianClock);
    click(w().btnCambioFechaHora);
    ASSERT_EQ(trace.lines().size(), 1) << joined(trace.lines()).toStdString();
    EXPECT_TRUE(trace.lines()[0].contains(QStringLiteral("rechazó el comando 0x58"))) << joined(trace.lines()).toStdString();
    EXPECT_TRUE(trace.lines()[0].contains(QStringLiteral("haga un cierre Z (IMPRIMIR Z)"))) << joined(trace.lines()).toStdString();
}

// --- Logo ---
// On the P320: only the slip models store a logo.

TEST_F(MaintenanceEndToEnd, HasarLogoFromAPngHeadsTheNextDocument) {
    start(kModelP320);
    useHasarP320();
    loadLogoQuietly(logo);
    printInvoiceA();
    expectNoMessage();

    const QStringList paper = hasarPrinter->paper();
    ASSERT_FALSE(paper.isEmpty());
    EXPECT_TRUE(paper.first().startsWith(QStringLiteral("== "))) << joined(paper).toStdString();
    const QStringList rows = logoRows();
    EXPECT_EQ(paper.mid(1, rows.size()), rows) << joined(paper).toStdString();
    ASSERT_GT(paper.size(), rows.size() + 1);
    EXPECT_TRUE(paper[rows.size() + 1].startsWith(QStringLiteral("FECHA "))) << paper[rows.size() + 1].toStdString();

    // The virtual printer stores only what its records spell as a BMP file ("BM" first): the PNG
    // went as one.
    const QJsonObject stored = hasarPrinter->state().value(QStringLiteral("logo")).toObject();
    EXPECT_EQ(stored.value(QStringLiteral("width")).toInt(), kLogoWidth);
    EXPECT_EQ(stored.value(QStringLiteral("height")).toInt(), kLogoHeight);
}

TEST_F(MaintenanceEndToEnd, HasarLogoRecordWhoseReplyIsLostIsStoredOnce) {
    // The first data record is taken but its reply never comes back, so the driver sends it again.
    start(kModelP320 + QStringList{QStringLiteral("--fault"), QStringLiteral("drop-reply,cmd=90,after=1")});
    useHasarP320();
    loadLogoQuietly(logo);
    printInvoiceA();
    expectNoMessage();
    EXPECT_EQ(hasarPrinter->paper().mid(1, kLogoHeight), logoRows());
}

TEST_F(MaintenanceEndToEnd, HasarLogoWiderThanThePaperIsNarrowedToItsDots) {
    // Twice the widest logo the printer keeps: black on the left half, white on the right.
    QImage wide(1152, 8, QImage::Format_RGB32);
    wide.fill(Qt::white);
    for (int y = 0; y < wide.height(); ++y)
        for (int x = 0; x < wide.width() / 2; ++x) wide.setPixel(x, y, qRgb(0, 0, 0));
    const QString path = dir.filePath(QStringLiteral("ancho.png"));
    ASSERT_TRUE(wide.save(path, "PNG"));
    start(kModelP320);
    useHasarP320();
    loadLogo(path);
    trace.clear();
    printInvoiceA();
    expectNoMessage();

    const QStringList head = hasarPrinter->paper().mid(1, 4);
    ASSERT_EQ(head.size(), 4);
    for (const QString& row : head) {
        ASSERT_EQ(row.size(), 576);
        // One dot either side of the middle may be grey after the narrowing.
        EXPECT_EQ(row.left(287), QString(287, QLatin1Char('#')));
        EXPECT_EQ(row.mid(289), QString(287, QLatin1Char(' ')));
    }
    const QJsonObject stored = hasarPrinter->state().value(QStringLiteral("logo")).toObject();
    EXPECT_EQ(stored.value(QStringLiteral("width")).toInt(), 576);
    EXPECT_EQ(stored.value(QStringLiteral("height")).toInt(), 4);
}

TEST_F(MaintenanceEndToEnd, HasarLogoLoadsOverADocumentLeftOpenByCancellingItFirst) {
    start(kModelP320 + QStringList{QStringLiteral("--fault"), QStringLiteral("nak-request,cmd=4B,times=0")});
    useHasarP320();
    w().txtCant->setText(QStringLiteral("1"));
    click(w().btnPruebaCuchilla);
    ASSERT_EQ(trace.lines().size(), 1);  // the cut failed, its non-fiscal document stays open
    trace.clear();

    loadLogo(logo);
    EXPECT_EQ(trace.lines(), QStringList({QStringLiteral("File()"), toldCancelledLeftOpen(QStringLiteral("el DOCUMENTO NO FISCAL"))}));

    const QStringList paper = hasarPrinter->paper();
    EXPECT_TRUE(paper.last().startsWith(QStringLiteral("== CANCELADO DOCUMENTO NO FISCAL "))) << joined(paper).toStdString();
    EXPECT_EQ(hasarPrinter->state().value(QStringLiteral("logo")).toObject().value(QStringLiteral("width")).toInt(), kLogoWidth);
}

TEST_F(MaintenanceEndToEnd, HasarKeepsItsLogoWhenTheNextFileIsNoImage) {
    const QString notImage = dir.filePath(QStringLiteral("otro logo.png"));
    QFile text(notImage);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly) && text.write("no es una imagen\n") > 0);
    text.close();
    start(kModelP320);
    useHasarP320();
    loadLogo(logo);
    trace.clear();

    loadLogo(notImage);
    const QStringList shown = trace.lines();
    ASSERT_EQ(shown.size(), 2) << joined(shown).toStdString();
    EXPECT_TRUE(shown[1].contains(notImage)) << shown[1].toStdString();
    trace.clear();
    printInvoiceA();
    expectNoMessage();

    const QStringList paper = hasarPrinter->paper();
    EXPECT_EQ(paper.mid(1, kLogoHeight), logoRows()) << joined(paper).toStdString();
}

TEST_F(MaintenanceEndToEnd, EpsonLogoChoiceSendsNothing) {
    start();
    useEpson();
    leadComTwoNowhere(dir);
    loadLogoQuietly(logo);
    expectComTwoLeadsNowhere();
}

// --- Cancel ---

// A Hasar press of CANCELAR COMPROBANTE after an operation failed halfway and left its document
// open: the document ends on paper (cancelled, or closed once paid) and the printer is idle again.
class MaintenanceCancelEndToEnd : public MaintenanceEndToEnd {
protected:
    // `told`: the information message the press shows, saying what it ended.
    void cancelLeftOpen(const QString& openTitle, const QString& told, const QString& ending = QStringLiteral("== CANCELADO ")) {
        const QStringList failure = trace.lines();
        ASSERT_EQ(failure.size(), 1);
        EXPECT_TRUE(failure[0].contains(QStringLiteral("El sistema detect"))) << failure[0].toStdString();
        trace.clear();

        click(w().btnCancelarTodo);
        EXPECT_EQ(trace.lines(), QStringList{message(Prompts::kInformation, told)});

        const QStringList paper = hasarPrinter->paper();
        const QStringList printed = titles(paper);
        ASSERT_EQ(printed.size(), 1) << joined(paper).toStdString();
        EXPECT_TRUE(printed[0].startsWith(QStringLiteral("== ") + openTitle)) << printed[0].toStdString();
        EXPECT_EQ(paper.last(), ending + printed[0].mid(3)) << joined(paper).toStdString();
        EXPECT_TRUE(hasarPrinter->state().value(QStringLiteral("open_document")).isNull());
    }
};

TEST_F(MaintenanceCancelEndToEnd, HasarCancelsAnInvoiceWhoseCloseNeverGotThrough) {
    start({QStringLiteral("--fault"), QStringLiteral("nak-request,cmd=45,times=0")});
    useHasar();
    printInvoiceA();
    // The 615 does not say which kind of fiscal document it had open, nor so its number.
    cancelLeftOpen(QStringLiteral("FACTURA A "), QStringLiteral("Se canceló el comprobante fiscal."));
}

TEST_F(MaintenanceCancelEndToEnd, HasarClosesAPaidInvoiceItCannotCancel) {
    // The three sends of the window's close, and the three of its second try after reopening the
    // port, are lost; the close that CancelAll falls back on is not.
    start({QStringLiteral("--fault"), QStringLiteral("nak-request,cmd=45,times=6")});
    useHasarP320();
    printInvoiceA();
    // It had been paid: the printer can only close it, so the window says it was issued, and which.
    cancelLeftOpen(QStringLiteral("FACTURA A "),
                   QStringLiteral("Se emitió el comprobante fiscal Nº 0001-00000001: ya tenía un pago y no podía "
                                  "cancelarse, así que se cerró."),
                   QStringLiteral("== FIN "));
}

TEST_F(MaintenanceCancelEndToEnd, HasarPaysBackAPartlyPaidInvoiceThenCancelsIt) {
    // 120 items of 0.01 and the sequence's payment of 1.00 leave 0.20 due when every close is lost:
    // such an invoice can be neither cancelled nor closed until its payment is undone.
    start({QStringLiteral("--model"), QStringLiteral("8"), QStringLiteral("--fault"),
           QStringLiteral("nak-request,cmd=45,times=6")});
    useHasarP320();
    w().txtCant->setText(QStringLiteral("1"));
    click(w().btnFacA);
    w().txtCantItems->setText(QStringLiteral("120"));
    click(w().btnAceptar);
    cancelLeftOpen(QStringLiteral("FACTURA A "), QStringLiteral("Se canceló FACTURA A Nº 0001-00000001."));

    const QStringList paper = hasarPrinter->paper();
    EXPECT_EQ(paper.filter(QStringLiteral("PAGO ")),
              QStringList({QStringLiteral("PAGO  | 1.00"), QStringLiteral("PAGO Anula pagos | -1.00")}))
        << joined(paper).toStdString();
    const QJsonObject day = hasarPrinter->state().value(QStringLiteral("day")).toObject();
    EXPECT_EQ(day.value(QStringLiteral("cancelled")).toInt(), 1);
    EXPECT_EQ(day.value(QStringLiteral("fiscal")).toInt(), 0);
}

TEST_F(MaintenanceCancelEndToEnd, HasarPaidInvoiceWhoseCloseIsNeverAnsweredIsFinishedAsTheMessageSays) {
    // Every send of the window's close, and of the second try after reading the printer, is unanswered.
    start({QStringLiteral("--fault"), QStringLiteral("silent,cmd=45,times=6")});
    useHasarP320();
    printInvoiceA();
    // Open with its payment: repeating would close it and print a second one, so it must not be advised.
    const QString told = trace.lines().value(0);
    EXPECT_TRUE(told.contains(QStringLiteral("error Nº 8021"))) << told.toStdString();
    EXPECT_TRUE(told.contains(QStringLiteral("FACTURA A sigue abierto con su pago"))) << told.toStdString();
    EXPECT_TRUE(told.contains(QStringLiteral("Termínelo con CANCELAR COMPROBANTE"))) << told.toStdString();
    EXPECT_FALSE(told.contains(QStringLiteral("repetir"), Qt::CaseInsensitive)) << told.toStdString();
    // Done as it says: exactly one invoice on the roll, issued with its number.
    cancelLeftOpen(QStringLiteral("FACTURA A "),
                   QStringLiteral("Se emitió el comprobante fiscal Nº 0001-00000001: ya tenía un pago y no podía "
                                  "cancelarse, así que se cerró."),
                   QStringLiteral("== FIN "));
}

TEST_F(MaintenanceCancelEndToEnd, HasarCancelsATicketLeftOpenOnTheModelWithoutCancel) {
    start({QStringLiteral("--fault"), QStringLiteral("nak-request,cmd=45,times=0")});
    useHasar();
    w().txtCant->setText(QStringLiteral("1"));
    click(w().btnFacB);
    click(w().btnAceptar);
    cancelLeftOpen(QStringLiteral("TIQUE "), QStringLiteral("Se canceló el comprobante fiscal."));
    EXPECT_EQ(hasarPrinter->state().value(QStringLiteral("day")).toObject().value(QStringLiteral("fiscal")).toInt(), 0);
}

TEST_F(MaintenanceCancelEndToEnd, HasarClosesTheNonFiscalDocumentOfACutterTestThatFailedAtTheSecondCut) {
    start({QStringLiteral("--fault"), QStringLiteral("nak-request,cmd=4B,after=1,times=0")});
    useHasar();
    w().txtCant->setText(QStringLiteral("3"));
    click(w().btnPruebaCuchilla);
    // The 615 has no Cancel: a non-fiscal document can only be closed.
    cancelLeftOpen(QStringLiteral("DOCUMENTO NO FISCAL "), QStringLiteral("Se cerró el DOCUMENTO NO FISCAL."),
                   QStringLiteral("== FIN "));
}

TEST_F(MaintenanceEndToEnd, EpsonCancelOnlyTellsTheTechnicianAndSendsNothing) {
    start();
    useEpson();
    leadComTwoNowhere(dir);
    click(w().btnCancelarTodo);
    EXPECT_EQ(trace.lines(), QStringList({message(Prompts::kInformation, kEpsonCancel)}));
    EXPECT_TRUE(w().btnCancelarTodo->isEnabled());
    expectComTwoLeadsNowhere();
}

}  // namespace


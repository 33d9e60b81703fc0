#include "matrix_table.h"

#include <algorithm>

namespace {

using Kind = MatrixOperation::Kind;

using Arguments = std::function<QStringList(const QString&, int, const QString&)>;

QStringList faultOption(const QString& kind, const QString& at, const QString& extra) {
    return {QStringLiteral("--fault"), extra.isEmpty() ? kind + at : kind + at + QLatin1Char(',') + extra};
}

// "kind,cmd=45,after=1,times=3": the fault on the last closing command of the run.
Arguments onTheClose(const QString& kind, const QString& extra = {}) {
    return [kind, extra](const QString& closing, int closings, const QString&) {
        return faultOption(kind, QStringLiteral(",cmd=%1,after=%2").arg(closing).arg(qMax(closings - 1, 0)), extra);
    };
}

// "kind,cmd=42,...": the fault on the command inside the document, or on the close without one.
Arguments insideTheDocument(const QString& kind, const QString& extra = {}) {
    return [kind, extra](const QString& closing, int, const QString& middle) {
        return faultOption(kind, QStringLiteral(",cmd=%1").arg(middle.isEmpty() ? closing : middle), extra);
    };
}

// A fault whose option names its own frames, or none at all.
Arguments always(const QStringList& options) {
    return [options](const QString&, int, const QString&) { return options; };
}

QString seconds(int ms) { return QStringLiteral("seconds=%1").arg(ms / 1000.0); }
QString powerOff() { return seconds(MatrixTiming::kPowerOffMs); }

const QString kHasar = QStringLiteral("hasar");
const QString kHasar2g = QStringLiteral("hasar-2g");
const QString kEpsonBrand = QStringLiteral("epson");
const QString kHasarPr4 = QStringLiteral("3 - Hasar PR4");
// The credit note A of the general sequence goes as raw commands the PR4 does not have; on a 2G
// port the same entry issues tiques A and B and the credit note A.
const QString kHasar715 = QStringLiteral("9 - Hasar 715/PR5");
const QString kHasarP320 = QStringLiteral("8 - Hasar P320/PL-8/PL-9/PL-23/P321/P322/P330/320/P425/2008");
const QString kEpson = QStringLiteral("10 - Epson");
const QString kClose2g = QStringLiteral("CerrarDocumento");
const QString kItem2g = QStringLiteral("ImprimirItem");
const QString kDay2g = QStringLiteral("CerrarJornadaFiscal");

MatrixOperation document(const QString& brand, int model, const QString& entry, const QString& code, const QString& closing,
                         const QString& middle) {
    const QString shortName = brand == kEpsonBrand ? QStringLiteral("Epson") : entry.section(QLatin1Char(' '), 3, 3).section(QLatin1Char('/'), 0, 0);
    return {brand, model, entry, shortName + QLatin1Char(' ') + code, Kind::TestDocument, code, closing, middle};
}

MatrixOperation document2g(const QString& code) {
    return {kHasar2g, 0, kHasar715, QStringLiteral("2G ") + code, Kind::TestDocument, code, kClose2g, kItem2g};
}

bool onEpson(const MatrixOperation& op) { return op.brand == kEpsonBrand; }
bool onHasar(const MatrixOperation& op) { return op.brand == kHasar; }
bool onSlipHasar(const MatrixOperation& op) { return onHasar(op) && (op.model == 7 || op.model == 8); }
bool onSerial(const MatrixOperation& op) { return op.brand != kHasar2g; }
bool onNetwork(const MatrixOperation& op) { return op.brand == kHasar2g; }
bool onNetworkDocument(const MatrixOperation& op) { return onNetwork(op) && op.kind == Kind::TestDocument; }

}  // namespace

QList<MatrixOperation> reducedOperations() {
    QList<MatrixOperation> firsts;
    for (const MatrixOperation& op : allOperations())
        if (std::none_of(firsts.begin(), firsts.end(), [&](const MatrixOperation& o) { return o.brand == op.brand; })) firsts << op;
    return firsts;
}

QList<MatrixOperation> allOperations() {
    return {
        document(kHasar, 3, kHasarPr4, QStringLiteral("FA"), QStringLiteral("45"), QStringLiteral("42")),
        document(kHasar, 3, kHasarPr4, QStringLiteral("FB"), QStringLiteral("45"), QStringLiteral("42")),
        document(kHasar, 9, kHasar715, QStringLiteral("NCA"), QStringLiteral("81"), QStringLiteral("42")),
        document(kHasar, 8, kHasarP320, QStringLiteral("FA"), QStringLiteral("45"), QStringLiteral("42")),
        document(kHasar, 8, kHasarP320, QStringLiteral("FB"), QStringLiteral("45"), QStringLiteral("42")),
        document(kHasar, 8, kHasarP320, QStringLiteral("NCA"), QStringLiteral("81"), QStringLiteral("42")),
        document(kHasar, 8, kHasarP320, QStringLiteral("NCB"), QStringLiteral("81"), QStringLiteral("42")),
        document(kHasar, 8, kHasarP320, QStringLiteral("R"), QStringLiteral("81"), QStringLiteral("82")),
        document(kHasar, 8, kHasarP320, QStringLiteral("RB"), QStringLiteral("81"), QStringLiteral("97")),
        {kHasar, 3, kHasarPr4, QStringLiteral("PR4 Z"), Kind::ZReport, {}, QStringLiteral("39"), {}},
        {kHasar, 8, kHasarP320, QStringLiteral("Hasar X"), Kind::XReport, {}, QStringLiteral("39"), {}},
        {kHasar, 8, kHasarP320, QStringLiteral("Hasar Z"), Kind::ZReport, {}, QStringLiteral("39"), {}},
        {kHasar, 8, kHasarP320, QStringLiteral("Hasar datos fiscales"), Kind::FiscalDataPrintout, {}, QStringLiteral("4A"), QStringLiteral("49")},
        {kHasar, 8, kHasarP320, QStringLiteral("Hasar logo"), Kind::Logo, {}, QStringLiteral("90"), QStringLiteral("90")},
        document(kEpsonBrand, 0, kEpson, QStringLiteral("FA"), QStringLiteral("65"), QStringLiteral("62")),
        document(kEpsonBrand, 0, kEpson, QStringLiteral("FB"), QStringLiteral("45"), QStringLiteral("42")),
        {kEpsonBrand, 0, kEpson, QStringLiteral("Epson X"), Kind::XReport, {}, QStringLiteral("39"), {}},
        {kEpsonBrand, 0, kEpson, QStringLiteral("Epson Z"), Kind::ZReport, {}, QStringLiteral("39"), {}},
        {kEpsonBrand, 0, kEpson, QStringLiteral("Epson datos fiscales"), Kind::FiscalDataPrintout, {}, QStringLiteral("4A"), QStringLiteral("49")},
        document2g(QStringLiteral("FA")),
        document2g(QStringLiteral("FB")),
        document2g(QStringLiteral("NCA")),
        {kHasar2g, 0, kHasar715, QStringLiteral("2G X"), Kind::XReport, {}, kDay2g, {}},
        {kHasar2g, 0, kHasar715, QStringLiteral("2G Z"), Kind::ZReport, {}, kDay2g, {}},
    };
}

QList<MatrixFault> allFaults() {
    using T = MatrixTiming;
    const auto fault = [](const QString& text) { return always({QStringLiteral("--fault"), text}); };
    const QString times3 = QStringLiteral("times=3");
    return {
        {.name = QStringLiteral("ninguna"), .arguments = always({})},
        {.name = QStringLiteral("respuesta perdida una vez"), .arguments = onTheClose(QStringLiteral("drop-reply"))},
        {.name = QStringLiteral("respuesta perdida en cada envío"), .arguments = onTheClose(QStringLiteral("drop-reply"), times3)},
        {.name = QStringLiteral("respuesta dañada"), .arguments = onTheClose(QStringLiteral("corrupt-reply")), .appliesTo = onSerial},
        {.name = QStringLiteral("pedido con NAK"), .arguments = onTheClose(QStringLiteral("nak-request"), times3), .appliesTo = onSerial},
        {.name = QStringLiteral("impresor mudo"), .arguments = onTheClose(QStringLiteral("silent"), times3), .appliesTo = onSerial},
        {.name = QStringLiteral("ocupado (DC2)"), .arguments = onTheClose(QStringLiteral("busy"), seconds(T::kBusyMs)), .appliesTo = onSerial},
        {.name = QStringLiteral("sin papel más allá del límite"),
         .arguments = onTheClose(QStringLiteral("paper-out"), seconds(T::kPaperOutMs)),
         .settleMs = T::kPaperOutMs,
         .appliesTo = onSerial},
        {.name = QStringLiteral("desconexión a mitad del documento"),
         .arguments = insideTheDocument(QStringLiteral("disconnect")),
         .reconnect = true,
         .appliesTo = onSerial},
        {.name = QStringLiteral("basura entre tramas"), .arguments = fault(QStringLiteral("garbage,times=0")), .appliesTo = onSerial},
        {.name = QStringLiteral("dispositivo charlatán"),
         .arguments = fault(QStringLiteral("chatty,times=0,") + seconds(T::kChattyMs)),
         .reconnect = true,
         .appliesTo = onSerial},
        // The close never answered, on any send, the cancel's own included.
        {.name = QStringLiteral("cierre mudo en cada envío"),
         .arguments = onTheClose(QStringLiteral("silent"), QStringLiteral("times=0")),
         .appliesTo = onSerial},
        {.name = QStringLiteral("corte de energía en el cierre"), .arguments = onTheClose(QStringLiteral("power-cut"), powerOff())},
        // The close is lost on its three sends; the power goes on the one sent again.
        {.name = QStringLiteral("corte de energía en el cierre reenviado"),
         .arguments =
             [](const QString& c, int n, const QString& m) {
                 return onTheClose(QStringLiteral("silent"), QStringLiteral("times=3"))(c, n, m) +
                        onTheClose(QStringLiteral("power-cut"), powerOff())(c, n + 3, m);
             },
         .appliesTo = onSerial},
        // Silent inside the document, long enough for the printer to save it open, then killed.
        {.name = QStringLiteral("impresor reiniciado a mitad del documento"),
         .arguments = insideTheDocument(QStringLiteral("silent"), QStringLiteral("times=0")),
         .restartMidDocument = true,
         .appliesTo = onSerial},
        // A Hasar whose fiscal memory is not initialised issues in training mode, where numbers
        // stay; an Epson refuses to issue at all.
        {.name = QStringLiteral("modo entrenamiento, respuesta perdida en cada envío"),
         .arguments = onTheClose(QStringLiteral("drop-reply"), times3),
         .printerOptions = {QStringLiteral("--not-initialised")},
         .appliesTo = onSerial},
        // Lasting conditions: the command runs and nothing fails but what the condition blocks.
        {.name = QStringLiteral("batería baja"), .arguments = always({}), .printerOptions = {QStringLiteral("--battery-low")}, .appliesTo = onEpson},
        {.name = QStringLiteral("batería baja, respuesta perdida en cada envío"),
         .arguments = onTheClose(QStringLiteral("drop-reply"), times3),
         .printerOptions = {QStringLiteral("--battery-low")},
         .appliesTo = onEpson},
        {.name = QStringLiteral("cierre Z pendiente"), .arguments = always({}), .printerOptions = {QStringLiteral("--z-due")}, .appliesTo = onEpson},
        {.name = QStringLiteral("impresor bloqueado (estado 22)"),
         .arguments = always({}),
         .printerOptions = {QStringLiteral("--blocked")},
         .appliesTo = onSlipHasar},
        // The cancel before the operation meets a full print buffer on its first status request.
        {.name = QStringLiteral("búfer lleno al cancelar"),
         .arguments = fault(QStringLiteral("buffer-full,cmd=2A,after=1,times=2")),
         .appliesTo = onHasar},
        // The 2G Hasar on the network: the connection reset before the close runs, replies slow
        // under the limit and beyond it, busy, out of reach in the middle of the document.
        {.name = QStringLiteral("conexión reiniciada en el cierre"), .arguments = onTheClose(QStringLiteral("reset")), .appliesTo = onNetwork},
        {.name = QStringLiteral("respuesta lenta dentro del límite"),
         .arguments = onTheClose(QStringLiteral("slow"), seconds(T::kSlowMs)),
         .appliesTo = onNetwork},
        {.name = QStringLiteral("respuesta lenta más allá del límite"),
         .arguments = onTheClose(QStringLiteral("slow"), seconds(T::kTooSlowMs)),
         .settleMs = T::kTooSlowMs,
         .appliesTo = onNetwork},
        {.name = QStringLiteral("ocupado (ControladorOcupado)"),
         .arguments = onTheClose(QStringLiteral("busy"), QStringLiteral("polls=3")),
         .appliesTo = onNetwork},
        {.name = QStringLiteral("respuesta perdida en la apertura"),
         .arguments = fault(QStringLiteral("drop-reply,cmd=AbrirDocumento")),
         .appliesTo = onNetworkDocument},
        {.name = QStringLiteral("sin conexión a mitad del documento"),
         .arguments = insideTheDocument(QStringLiteral("power-cut"), seconds(T::kUnreachableMs)),
         .settleMs = T::kUnreachableMs + T::kOutageStartsMs,
         .appliesTo = onNetwork},
        // The item runs and its reply never leaves: the printer saves the document open, then is killed.
        {.name = QStringLiteral("impresor reiniciado a mitad del documento"),
         .arguments = insideTheDocument(QStringLiteral("slow"), QStringLiteral("times=0,seconds=30")),
         .restartMidDocument = true,
         .appliesTo = onNetworkDocument},
    };
}

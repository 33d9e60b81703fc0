#include "matrix_table.h"

namespace {

using Kind = MatrixOperation::Kind;

// "kind,cmd=45,after=1,times=3": the fault on the last closing command of the run.
QStringList onClosing(const QString& kind, const QString& closing, int closings, const QString& extra = {}) {
    QString text = QStringLiteral("%1,cmd=%2,after=%3").arg(kind, closing).arg(qMax(closings - 1, 0));
    if (!extra.isEmpty()) text += QLatin1Char(',') + extra;
    return {QStringLiteral("--fault"), text};
}

// "kind,cmd=42,...": the fault on the command inside the document, or on the close without one.
QStringList inside(const QString& kind, const QString& closing, const QString& middle, const QString& extra = {}) {
    QString text = QStringLiteral("%1,cmd=%2").arg(kind, middle.isEmpty() ? closing : middle);
    if (!extra.isEmpty()) text += QLatin1Char(',') + extra;
    return {QStringLiteral("--fault"), text};
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
    return {document(kHasar, 3, kHasarPr4, QStringLiteral("FA"), QStringLiteral("45"), QStringLiteral("42")),
            document(kEpsonBrand, 0, kEpson, QStringLiteral("FA"), QStringLiteral("65"), QStringLiteral("62")),
            document2g(QStringLiteral("FA"))};
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
    using Args = const QString&;
    return {
        {QStringLiteral("ninguna"), [](Args, int, Args) { return QStringList{}; }},
        {QStringLiteral("respuesta perdida una vez"),
         [](Args c, int n, Args) { return onClosing(QStringLiteral("drop-reply"), c, n); }},
        {QStringLiteral("respuesta perdida en cada envío"),
         [](Args c, int n, Args) { return onClosing(QStringLiteral("drop-reply"), c, n, QStringLiteral("times=3")); }},
        {QStringLiteral("respuesta dañada"),
         [](Args c, int n, Args) { return onClosing(QStringLiteral("corrupt-reply"), c, n); }, false, 0, false, {}, onSerial},
        {QStringLiteral("pedido con NAK"),
         [](Args c, int n, Args) { return onClosing(QStringLiteral("nak-request"), c, n, QStringLiteral("times=3")); },
         false, 0, false, {}, onSerial},
        {QStringLiteral("impresor mudo"),
         [](Args c, int n, Args) { return onClosing(QStringLiteral("silent"), c, n, QStringLiteral("times=3")); }, false, 0,
         false, {}, onSerial},
        {QStringLiteral("ocupado (DC2)"),
         [](Args c, int n, Args) { return onClosing(QStringLiteral("busy"), c, n, seconds(T::kBusyMs)); }, false, 0, false, {},
         onSerial},
        {QStringLiteral("sin papel más allá del límite"),
         [](Args c, int n, Args) { return onClosing(QStringLiteral("paper-out"), c, n, seconds(T::kPaperOutMs)); }, false,
         T::kPaperOutMs, false, {}, onSerial},
        {QStringLiteral("desconexión a mitad del documento"),
         [](Args c, int, Args middle) { return inside(QStringLiteral("disconnect"), c, middle); }, true, 0, false, {},
         onSerial},
        {QStringLiteral("basura entre tramas"),
         [](Args, int, Args) { return QStringList{QStringLiteral("--fault"), QStringLiteral("garbage,times=0")}; }, false, 0,
         false, {}, onSerial},
        {QStringLiteral("dispositivo charlatán"),
         [](Args, int, Args) {
             return QStringList{QStringLiteral("--fault"), QStringLiteral("chatty,times=0,") + seconds(T::kChattyMs)};
         },
         true, 0, false, {}, onSerial},
        // The close never answered, on any send, the cancel's own included.
        {QStringLiteral("cierre mudo en cada envío"),
         [](Args c, int n, Args) { return onClosing(QStringLiteral("silent"), c, n, QStringLiteral("times=0")); }, false, 0,
         false, {}, onSerial},
        {QStringLiteral("corte de energía en el cierre"),
         [](Args c, int n, Args) { return onClosing(QStringLiteral("power-cut"), c, n, powerOff()); }},
        // The close is lost on its three sends; the power goes on the one sent again.
        {QStringLiteral("corte de energía en el cierre reenviado"),
         [](Args c, int n, Args) {
             return onClosing(QStringLiteral("silent"), c, n, QStringLiteral("times=3")) +
                    onClosing(QStringLiteral("power-cut"), c, n + 3, powerOff());
         },
         false, 0, false, {}, onSerial},
        // Silent inside the document, long enough for the printer to save it open, then killed.
        {QStringLiteral("impresor reiniciado a mitad del documento"),
         [](Args c, int, Args middle) { return inside(QStringLiteral("silent"), c, middle, QStringLiteral("times=0")); },
         false, 0, true, {}, onSerial},
        // A Hasar whose fiscal memory is not initialised issues in training mode, where numbers
        // stay; an Epson refuses to issue at all.
        {QStringLiteral("modo entrenamiento, respuesta perdida en cada envío"),
         [](Args c, int n, Args) { return onClosing(QStringLiteral("drop-reply"), c, n, QStringLiteral("times=3")); },
         false, 0, false, {QStringLiteral("--not-initialised")}, onSerial},
        // Lasting conditions: the command runs and nothing fails but what the condition blocks.
        {QStringLiteral("batería baja"), [](Args, int, Args) { return QStringList{}; }, false, 0, false,
         {QStringLiteral("--battery-low")}, onEpson},
        {QStringLiteral("batería baja, respuesta perdida en cada envío"),
         [](Args c, int n, Args) { return onClosing(QStringLiteral("drop-reply"), c, n, QStringLiteral("times=3")); },
         false, 0, false, {QStringLiteral("--battery-low")}, onEpson},
        {QStringLiteral("cierre Z pendiente"), [](Args, int, Args) { return QStringList{}; }, false, 0, false,
         {QStringLiteral("--z-due")}, onEpson},
        {QStringLiteral("impresor bloqueado (estado 22)"), [](Args, int, Args) { return QStringList{}; }, false, 0,
         false, {QStringLiteral("--blocked")}, onSlipHasar},
        // The cancel before the operation meets a full print buffer on its first status request.
        {QStringLiteral("búfer lleno al cancelar"),
         [](Args, int, Args) {
             return QStringList{QStringLiteral("--fault"), QStringLiteral("buffer-full,cmd=2A,after=1,times=2")};
         },
         false, 0, false, {}, onHasar},
        // The 2G Hasar on the network: the connection reset before the close runs, replies slow
        // under the limit and beyond it, busy, out of reach in the middle of the document.
        {QStringLiteral("conexión reiniciada en el cierre"),
         [](Args c, int n, Args) { return onClosing(QStringLiteral("reset"), c, n); }, false, 0, false, {}, onNetwork},
        {QStringLiteral("respuesta lenta dentro del límite"),
         [](Args c, int n, Args) { return onClosing(QStringLiteral("slow"), c, n, seconds(T::kSlowMs)); }, false, 0, false, {},
         onNetwork},
        {QStringLiteral("respuesta lenta más allá del límite"),
         [](Args c, int n, Args) { return onClosing(QStringLiteral("slow"), c, n, seconds(T::kTooSlowMs)); }, false,
         T::kTooSlowMs, false, {}, onNetwork},
        {QStringLiteral("ocupado (ControladorOcupado)"),
         [](Args c, int n, Args) { return onClosing(QStringLiteral("busy"), c, n, QStringLiteral("polls=3")); }, false, 0, false,
         {}, onNetwork},
        {QStringLiteral("respuesta perdida en la apertura"),
         [](Args, int, Args) { return QStringList{QStringLiteral("--fault"), QStringLiteral("drop-reply,cmd=AbrirDocumento")}; },
         false, 0, false, {}, onNetworkDocument},
        {QStringLiteral("sin conexión a mitad del documento"),
         [](Args c, int, Args middle) { return inside(QStringLiteral("power-cut"), c, middle, seconds(T::kUnreachableMs)); },
         false, T::kUnreachableMs + T::kOutageStartsMs, false, {}, onNetwork},
        // The item runs and its reply never leaves: the printer saves the document open, then is killed.
        {QStringLiteral("impresor reiniciado a mitad del documento"),
         [](Args c, int, Args middle) { return inside(QStringLiteral("slow"), c, middle, QStringLiteral("times=0,seconds=30")); },
         false, 0, true, {}, onNetworkDocument},
    };
}

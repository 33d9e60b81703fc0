#include "matrix_table.h"

namespace {

using Kind = MatrixOperation::Kind;

QString hex(quint8 code) { return QString::number(code, 16).toUpper().rightJustified(2, QLatin1Char('0')); }

// "kind,cmd=45,after=1,times=3": the fault on the last closing command of the run.
QStringList onClosing(const QString& kind, quint8 closing, int closings, const QString& extra = {}) {
    QString text = QStringLiteral("%1,cmd=%2,after=%3").arg(kind, hex(closing)).arg(qMax(closings - 1, 0));
    if (!extra.isEmpty()) text += QLatin1Char(',') + extra;
    return {QStringLiteral("--fault"), text};
}

QString powerOff() { return QStringLiteral("seconds=%1").arg(MatrixTiming::kPowerOffMs / 1000.0); }

const QString kHasarPr4 = QStringLiteral("3 - Hasar PR4");
// The credit note A of the general sequence goes as raw commands the PR4 does not have.
const QString kHasar715 = QStringLiteral("9 - Hasar 715/PR5");
const QString kHasarP320 = QStringLiteral("8 - Hasar P320/PL-8/PL-9/PL-23/P321/P322/P330/320/P425/2008");
const QString kEpson = QStringLiteral("10 - Epson");

MatrixOperation document(const QString& brand, int model, const QString& entry, const QString& code, quint8 closing,
                         quint8 middle) {
    const QString shortName = brand == QLatin1String("epson") ? QStringLiteral("Epson") : entry.section(QLatin1Char(' '), 3, 3).section(QLatin1Char('/'), 0, 0);
    return {brand, model, entry, shortName + QLatin1Char(' ') + code, Kind::TestDocument, code, closing, middle};
}

bool onEpson(const MatrixOperation& op) { return op.brand == QLatin1String("epson"); }
bool onHasar(const MatrixOperation& op) { return op.brand == QLatin1String("hasar"); }
bool onSlipHasar(const MatrixOperation& op) { return onHasar(op) && (op.model == 7 || op.model == 8); }

}  // namespace

QList<MatrixOperation> reducedOperations() {
    return {document(QStringLiteral("hasar"), 3, kHasarPr4, QStringLiteral("FA"), 0x45, 0x42),
            document(QStringLiteral("epson"), 0, kEpson, QStringLiteral("FA"), 0x65, 0x62)};
}

QList<MatrixOperation> allOperations() {
    const QString hasar = QStringLiteral("hasar");
    const QString epson = QStringLiteral("epson");
    return {
        document(hasar, 3, kHasarPr4, QStringLiteral("FA"), 0x45, 0x42),
        document(hasar, 3, kHasarPr4, QStringLiteral("FB"), 0x45, 0x42),
        document(hasar, 9, kHasar715, QStringLiteral("NCA"), 0x81, 0x42),
        document(hasar, 8, kHasarP320, QStringLiteral("FA"), 0x45, 0x42),
        document(hasar, 8, kHasarP320, QStringLiteral("FB"), 0x45, 0x42),
        document(hasar, 8, kHasarP320, QStringLiteral("NCA"), 0x81, 0x42),
        document(hasar, 8, kHasarP320, QStringLiteral("NCB"), 0x81, 0x42),
        document(hasar, 8, kHasarP320, QStringLiteral("R"), 0x81, 0x82),
        document(hasar, 8, kHasarP320, QStringLiteral("RB"), 0x81, 0x97),
        {hasar, 3, kHasarPr4, QStringLiteral("PR4 Z"), Kind::ZReport, {}, 0x39, 0},
        {hasar, 8, kHasarP320, QStringLiteral("Hasar X"), Kind::XReport, {}, 0x39, 0},
        {hasar, 8, kHasarP320, QStringLiteral("Hasar Z"), Kind::ZReport, {}, 0x39, 0},
        {hasar, 8, kHasarP320, QStringLiteral("Hasar datos fiscales"), Kind::FiscalDataPrintout, {}, 0x4A, 0x49},
        {hasar, 8, kHasarP320, QStringLiteral("Hasar logo"), Kind::Logo, {}, 0x90, 0x90},
        document(epson, 0, kEpson, QStringLiteral("FA"), 0x65, 0x62),
        document(epson, 0, kEpson, QStringLiteral("FB"), 0x45, 0x42),
        {epson, 0, kEpson, QStringLiteral("Epson X"), Kind::XReport, {}, 0x39, 0},
        {epson, 0, kEpson, QStringLiteral("Epson Z"), Kind::ZReport, {}, 0x39, 0},
        {epson, 0, kEpson, QStringLiteral("Epson datos fiscales"), Kind::FiscalDataPrintout, {}, 0x4A, 0x49},
    };
}

QList<MatrixFault> allFaults() {
    using T = MatrixTiming;
    return {
        {QStringLiteral("ninguna"), [](quint8, int, quint8) { return QStringList{}; }},
        {QStringLiteral("respuesta perdida una vez"),
         [](quint8 c, int n, quint8) { return onClosing(QStringLiteral("drop-reply"), c, n); }},
        {QStringLiteral("respuesta perdida en cada envío"),
         [](quint8 c, int n, quint8) { return onClosing(QStringLiteral("drop-reply"), c, n, QStringLiteral("times=3")); }},
        {QStringLiteral("respuesta dañada"),
         [](quint8 c, int n, quint8) { return onClosing(QStringLiteral("corrupt-reply"), c, n); }},
        {QStringLiteral("pedido con NAK"),
         [](quint8 c, int n, quint8) { return onClosing(QStringLiteral("nak-request"), c, n, QStringLiteral("times=3")); }},
        {QStringLiteral("impresor mudo"),
         [](quint8 c, int n, quint8) { return onClosing(QStringLiteral("silent"), c, n, QStringLiteral("times=3")); }},
        {QStringLiteral("ocupado (DC2)"),
         [](quint8 c, int n, quint8) {
             return onClosing(QStringLiteral("busy"), c, n, QStringLiteral("seconds=%1").arg(T::kBusyMs / 1000.0));
         }},
        {QStringLiteral("sin papel más allá del límite"),
         [](quint8 c, int n, quint8) {
             return onClosing(QStringLiteral("paper-out"), c, n, QStringLiteral("seconds=%1").arg(T::kPaperOutMs / 1000.0));
         },
         false, T::kPaperOutMs},
        {QStringLiteral("desconexión a mitad del documento"),
         [](quint8 c, int, quint8 middle) {
             return QStringList{QStringLiteral("--fault"),
                                QStringLiteral("disconnect,cmd=%1").arg(hex(middle != 0 ? middle : c))};
         },
         true},
        {QStringLiteral("basura entre tramas"),
         [](quint8, int, quint8) { return QStringList{QStringLiteral("--fault"), QStringLiteral("garbage,times=0")}; }},
        {QStringLiteral("dispositivo charlatán"),
         [](quint8, int, quint8) {
             return QStringList{QStringLiteral("--fault"),
                                QStringLiteral("chatty,times=0,seconds=%1").arg(T::kChattyMs / 1000.0)};
         },
         true},
        // The close never answered, on any send, the cancel's own included.
        {QStringLiteral("cierre mudo en cada envío"),
         [](quint8 c, int n, quint8) { return onClosing(QStringLiteral("silent"), c, n, QStringLiteral("times=0")); }},
        {QStringLiteral("corte de energía en el cierre"),
         [](quint8 c, int n, quint8) { return onClosing(QStringLiteral("power-cut"), c, n, powerOff()); }},
        // The close is lost on its three sends; the power goes on the one sent again.
        {QStringLiteral("corte de energía en el cierre reenviado"),
         [](quint8 c, int n, quint8) {
             return onClosing(QStringLiteral("silent"), c, n, QStringLiteral("times=3")) +
                    onClosing(QStringLiteral("power-cut"), c, n + 3, powerOff());
         }},
        // Silent inside the document, long enough for the printer to save it open, then killed.
        {QStringLiteral("impresor reiniciado a mitad del documento"),
         [](quint8 c, int, quint8 middle) {
             return QStringList{QStringLiteral("--fault"),
                                QStringLiteral("silent,cmd=%1,times=0").arg(hex(middle != 0 ? middle : c))};
         },
         false, 0, true},
        // A Hasar whose fiscal memory is not initialised issues in training mode, where numbers
        // stay; an Epson refuses to issue at all.
        {QStringLiteral("modo entrenamiento, respuesta perdida en cada envío"),
         [](quint8 c, int n, quint8) { return onClosing(QStringLiteral("drop-reply"), c, n, QStringLiteral("times=3")); },
         false, 0, false, {QStringLiteral("--not-initialised")}},
        // Lasting conditions: the command runs and nothing fails but what the condition blocks.
        {QStringLiteral("batería baja"), [](quint8, int, quint8) { return QStringList{}; }, false, 0, false,
         {QStringLiteral("--battery-low")}, onEpson},
        {QStringLiteral("batería baja, respuesta perdida en cada envío"),
         [](quint8 c, int n, quint8) { return onClosing(QStringLiteral("drop-reply"), c, n, QStringLiteral("times=3")); },
         false, 0, false, {QStringLiteral("--battery-low")}, onEpson},
        {QStringLiteral("cierre Z pendiente"), [](quint8, int, quint8) { return QStringList{}; }, false, 0, false,
         {QStringLiteral("--z-due")}, onEpson},
        {QStringLiteral("impresor bloqueado (estado 22)"), [](quint8, int, quint8) { return QStringList{}; }, false, 0,
         false, {QStringLiteral("--blocked")}, onSlipHasar},
        // The cancel before the operation meets a full print buffer on its first status request.
        {QStringLiteral("búfer lleno al cancelar"),
         [](quint8, int, quint8) {
             return QStringList{QStringLiteral("--fault"), QStringLiteral("buffer-full,cmd=2A,after=1,times=2")};
         },
         false, 0, false, {}, onHasar},
    };
}

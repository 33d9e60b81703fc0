#pragma once

#include "e2e_fixture.h"

#include "app/prompts.h"

#include <QComboBox>
#include <QDateTime>
#include <QImage>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>

// What the maintenance end-to-end tests share: the texts they look for on paper and on screen,
// the printer's date lines, the test logo, and a fixture that picks the printer as a technician does.
namespace maintenance_e2e {

inline const QString kHasar615 = QStringLiteral("2 - Hasar 615");
inline const QStringList kModelP320{QStringLiteral("--model"), QStringLiteral("8")};
inline const QString kCut = QStringLiteral("-- CORTE --");
inline const QString kDrawerOpened = QStringLiteral("-- CAJON ABIERTO --");
inline const QString kCutterText = QStringLiteral("Prueba de Cuchilla");
inline const QString kTakeZFirst = QStringLiteral("Debe sacar zeta para poder cambiar la FECHA y HORA");
inline const QString kEpsonCancel =
    QStringLiteral("Para cancelar un comprobante en un impresor fiscal Epson apague y vuelva a prender el impresor fiscal");

// An instant far from the real clock, so a printer that kept its own time is told apart at once.
inline const QDateTime kTechnicianClock(QDate(2031, 5, 20), QTime(9, 15, 0));

inline QString joined(const QStringList& lines) { return lines.join(QLatin1Char('\n')); }

// The printer's clock reading the paper shows in a "FECHA dd/MM/yy HORA HH:mm:ss" line.
inline QDateTime printedTime(const QString& line) {
    static const QRegularExpression pattern(QStringLiteral("^FECHA (\\d\\d/\\d\\d/\\d\\d) HORA (\\d\\d:\\d\\d:\\d\\d)$"));
    const auto m = pattern.match(line);
    if (!m.hasMatch()) return {};
    return QDateTime(QDate::fromString(QStringLiteral("20") + m.captured(1).right(2) + m.captured(1).left(5),
                                       QStringLiteral("yyyydd/MM")),
                     QTime::fromString(m.captured(2), QStringLiteral("HH:mm:ss")));
}

// The first date line printed after the first line that starts with `title`.
inline QDateTime printedTimeAfter(const QStringList& paper, const QString& title) {
    bool inside = false;
    for (const QString& line : paper) {
        if (line.startsWith(title)) inside = true;
        else if (inside && line.startsWith(QStringLiteral("FECHA "))) return printedTime(line);
    }
    return {};
}

// The test logo: a one-dot frame with a staircase across it, four dots right per row, so a
// mirrored, flipped or byte-swapped copy never looks the same.
inline constexpr int kLogoWidth = 64;
inline constexpr int kLogoHeight = 16;
inline bool logoDot(int x, int y) {
    return x == 0 || y == 0 || x == kLogoWidth - 1 || y == kLogoHeight - 1 || x / 4 == y;
}

inline QString writeLogo(const QTemporaryDir& dir) {
    QImage image(kLogoWidth, kLogoHeight, QImage::Format_RGB32);
    for (int y = 0; y < kLogoHeight; ++y)
        for (int x = 0; x < kLogoWidth; ++x) image.setPixel(x, y, logoDot(x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    const QString path = dir.filePath(QStringLiteral("logo.png"));
    return image.save(path, "PNG") ? path : QString();
}

// The logo as the paper roll shows it: one row of '#' and ' ' per dot row.
inline QStringList logoRows() {
    QStringList rows;
    for (int y = 0; y < kLogoHeight; ++y) {
        QString row;
        for (int x = 0; x < kLogoWidth; ++x) row += logoDot(x, y) ? QLatin1Char('#') : QLatin1Char(' ');
        rows << row;
    }
    return rows;
}

class MaintenanceEndToEnd : public EndToEnd {
protected:
    void SetUp() override { ASSERT_FALSE((logo = writeLogo(dir)).isEmpty()); }

    void useHasar() { selectModel(kHasar615); }
    void useHasarP320() { selectModel(kP320); }
    // Presses "CARGAR LOGO" and picks this file in the dialog.
    void loadLogo(const QString& path) {
        prompts.chooseFile(path);
        click(w().btnCargaLogo);
    }
    // The same, where nothing but the file dialog may show; the trace is cleared.
    void loadLogoQuietly(const QString& path) {
        loadLogo(path);
        EXPECT_EQ(trace.lines(), QStringList({QStringLiteral("File()")}));
        trace.clear();
    }
    void useEpson() {
        selectModel(kEpson);
        w().cboPuerto->setCurrentIndex(w().cboPuerto->findText(QStringLiteral(" 2")));
    }

    // The invoice A test document with one item, as the technician prints it.
    void printInvoiceA() {
        w().txtCant->setText(QStringLiteral("1"));
        click(w().btnFacA);
        click(w().btnAceptar);
    }

    void expectNoMessage() { EXPECT_TRUE(trace.lines().isEmpty()) << joined(trace.lines()).toStdString(); }

    // COM2 names a device that does not exist, so any attempt to reach the Epson printer ends in
    // an error message.
    static void leadComTwoNowhere(const QTemporaryDir& dir) {
        qputenv("ORBELO_COM2", dir.filePath(QStringLiteral("sin-impresor")).toLocal8Bit());
    }
    // Proves the point above with an operation that does reach the printer.
    void expectComTwoLeadsNowhere() {
        trace.clear();
        click(w().btnAperturaCajon);
        ASSERT_EQ(trace.lines().size(), 1);
        EXPECT_TRUE(trace.lines()[0].contains(QStringLiteral("sin-impresor"))) << trace.lines()[0].toStdString();
    }

    static QString message(int style, const QString& text) {
        return QStringLiteral("Msg(%1,%2)").arg(style).arg(arg::q(text));
    }

    QTemporaryDir dir;  // the test's own files
    QString logo;       // the test logo, a PNG file in `dir`

    // The printer's clock offset must be what setting `wall` somewhere between the two instants
    // (milliseconds since the epoch) gives: wall time read as UTC minus the moment it arrived.
    static void expectClockSetTo(const QJsonObject& state, const QDateTime& wall, qint64 beforeMs, qint64 afterMs) {
        const qint64 wallMs = QDateTime(wall.date(), wall.time(), Qt::UTC).toMSecsSinceEpoch();
        const qint64 offset = state.value(QStringLiteral("clock_offset_ms")).toInteger();
        EXPECT_GE(offset, wallMs - afterMs);
        EXPECT_LE(offset, wallMs - beforeMs);
    }
};

}  // namespace maintenance_e2e

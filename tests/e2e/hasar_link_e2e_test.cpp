#include "e2e_fixture.h"

#include "drivers/link/link_trace.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

using HasarLinkEndToEnd = EndToEnd;

// One line per exchange of the wire trace while `run` goes.
QStringList exchangesDuring(const std::function<void()>& run) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("traza.txt"));
    EXPECT_TRUE(link_trace::setFile(path));
    run();
    link_trace::setFile({});
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QStringList out;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n')))
        if (line.contains(QStringLiteral(" envío, ")) || line.contains(QStringLiteral(" envíos, "))) out << line;
    return out;
}

// The virtual Hasar blocks while a reply waits for its ACK, as the maker's printer does: two
// operations in a row find it ready, with no command sent twice.
TEST_F(HasarLinkEndToEnd, TwoOperationsInARowFindThePrinterReadyWithoutAResend) {
    start();
    const QStringList exchanges = exchangesDuring([&] {
        click(w().btnX);
        click(w().btnZ);
    });
    EXPECT_TRUE(trace.lines().isEmpty()) << trace.lines().join(QLatin1Char('\n')).toStdString();
    ASSERT_GE(exchanges.size(), 4);
    for (const QString& line : exchanges) EXPECT_TRUE(line.contains(QStringLiteral(" 1 envío, "))) << line.toStdString();
    const QStringList printed = titles(hasarPrinter->paper());
    ASSERT_EQ(printed.size(), 2) << printed.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(printed[0].startsWith(QStringLiteral("== INFORME X ")));
    EXPECT_EQ(printed[1], QStringLiteral("== INFORME Z Nro 0001 =="));
}

// A full print buffer is waited out and the command sent again; a fiscal memory with 30 closes or
// fewer left is told in the caption, and stays told after the operation.
TEST_F(HasarLinkEndToEnd, AFullBufferIsWaitedOutAndAnAlmostFullMemoryShowsInTheCaption) {
    start({QStringLiteral("--z-capacity"), QStringLiteral("31"), QStringLiteral("--fault"),
           QStringLiteral("buffer-full,cmd=39,times=2")});
    const QString notice = QStringLiteral("Orbelo 1.0 · memoria fiscal casi llena: quedan 30 cierres Z o menos");
    click(w().btnZ);
    EXPECT_TRUE(trace.lines().isEmpty()) << trace.lines().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(w().lblTitulo->text(), notice);
    EXPECT_EQ(w().windowTitle(), notice);
    const QStringList printed = titles(hasarPrinter->paper());
    EXPECT_EQ(printed, QStringList{QStringLiteral("== INFORME Z Nro 0001 ==")});
    // The Epson answering ends the notice: the caption speaks of the printer in use.
    selectModel(kEpson);
    w().cboPuerto->setCurrentIndex(1);
    click(w().btnX);
    EXPECT_EQ(w().lblTitulo->text(), QStringLiteral("Orbelo 1.0"));
}

}  // namespace

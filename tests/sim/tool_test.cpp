// The real orbelo-virtual-printer program on a real pseudo-terminal, spoken to with raw frames.

#include <drivers/link/frame.h>
#include <sim/state_file.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

constexpr int kTimeoutMs = 5000;

class ToolTest : public ::testing::Test {
protected:
    void TearDown() override {
        if (fd_ >= 0) ::close(fd_);
        if (tool_.state() != QProcess::NotRunning) {
            tool_.kill();
            tool_.waitForFinished(kTimeoutMs);
        }
    }

    // Starts the tool and opens its device the way a serial port would.
    void start(QStringList arguments) {
        tool_.start(QStringLiteral(ORBELO_VIRTUAL_PRINTER), arguments);
        ASSERT_TRUE(tool_.waitForStarted(kTimeoutMs));
        ASSERT_TRUE(tool_.waitForReadyRead(kTimeoutMs)) << tool_.readAllStandardError().toStdString();
        device_ = QString::fromLocal8Bit(tool_.readLine()).trimmed();
        ASSERT_TRUE(device_.startsWith(QStringLiteral("/dev/pts/"))) << device_.toStdString();
        openDevice();
    }

    void openDevice() {
        fd_ = ::open(device_.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        ASSERT_GE(fd_, 0);
        termios raw{};
        tcgetattr(fd_, &raw);
        cfmakeraw(&raw);
        tcsetattr(fd_, TCSANOW, &raw);
    }

    // Sends a frame and reads until a whole reply frame came back (or the time runs out).
    QList<frame::Received> exchange(quint8 seq, quint8 command, QList<QByteArray> fields = {}) {
        const QByteArray bytes = frame::encode(frame::make(seq, command, std::move(fields)));
        EXPECT_EQ(::write(fd_, bytes.constData(), bytes.size()), bytes.size());
        frame::Decoder decoder;
        QList<frame::Received> items;
        QDeadlineTimer deadline(kTimeoutMs);
        while (!deadline.hasExpired()) {
            pollfd p{fd_, POLLIN, 0};
            if (::poll(&p, 1, static_cast<int>(deadline.remainingTime())) <= 0) break;
            char buffer[512];
            const ssize_t n = ::read(fd_, buffer, sizeof buffer);
            if (n <= 0) break;
            decoder.feed(QByteArrayView(buffer, n));
            bool gotFrame = false;
            while (auto item = decoder.next()) {
                gotFrame = gotFrame || item->kind == frame::Received::Kind::Frame;
                items.append(*item);
            }
            if (gotFrame) break;
        }
        // A driver acknowledges the reply at once: the Hasar takes nothing more until it has the ACK.
        if (replyIn(items)) {
            EXPECT_EQ(::write(fd_, &frame::ACK, 1), 1);
        }
        return items;
    }

    static std::optional<frame::Frame> replyIn(const QList<frame::Received>& items) {
        for (const auto& item : items)
            if (item.kind == frame::Received::Kind::Frame) return item.frame;
        return std::nullopt;
    }

    void stop() {
        tool_.terminate();
        ASSERT_TRUE(tool_.waitForFinished(kTimeoutMs));
        EXPECT_EQ(tool_.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(tool_.exitCode(), 0) << tool_.readAllStandardError().toStdString();
    }

    QTemporaryDir dir_;
    QProcess tool_;
    QString device_;
    int fd_ = -1;
};

TEST_F(ToolTest, AnswersFramesPrintsAndKeepsItsStateAcrossRuns) {
    const QString link = dir_.filePath(QStringLiteral("com1"));
    const QString paper = dir_.filePath(QStringLiteral("paper.txt"));
    const QString state = dir_.filePath(QStringLiteral("state.json"));
    start({QStringLiteral("--link"), link, QStringLiteral("--paper"), paper, QStringLiteral("--state"), state});
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), device_);

    const auto status = exchange(0x20, 0x2A);
    ASSERT_FALSE(status.isEmpty());
    EXPECT_EQ(status.first().control, frame::ACK);
    const auto reply = replyIn(status);
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->seq, 0x20);
    EXPECT_EQ(reply->command, 0x2A);
    EXPECT_EQ(reply->fields.mid(0, 2), (QList<QByteArray>{"0080", "0600"}));

    exchange(0x21, 0x40, {"T", "T"});
    exchange(0x22, 0x42, {"Item de Prueba ", "1.0", "0.01", "0.00", "M", "0.00000000", "0", "T"});
    const auto closed = replyIn(exchange(0x23, 0x45));
    ASSERT_TRUE(closed);
    EXPECT_EQ(closed->fields.value(2), "00000001");

    // A client that closes and reopens the port finds the printer still there.
    ::close(fd_);
    openDevice();
    EXPECT_TRUE(replyIn(exchange(0x24, 0x2A)));

    stop();
    EXPECT_FALSE(QFileInfo(link).isSymLink()) << "the link goes away with the printer";
    QFile paperFile(paper);
    ASSERT_TRUE(paperFile.open(QIODevice::ReadOnly));
    const QByteArray printed = paperFile.readAll();
    EXPECT_TRUE(printed.contains("== TIQUE Nro 0001-00000001 ==\n"));
    EXPECT_TRUE(printed.contains("== FIN TIQUE Nro 0001-00000001 ==\n"));

    ::close(fd_);
    fd_ = -1;
    start({QStringLiteral("--state"), state});
    const auto after = replyIn(exchange(0x30, 0x2A));
    ASSERT_TRUE(after);
    EXPECT_EQ(after->fields.value(2), "00000001") << "last ticket number survived the restart";
    stop();
}

TEST_F(ToolTest, SwitchedOffInsideADocumentItKeepsItAndPrintsItsRestoreBeforeAnyCommand) {
    const QString paper = dir_.filePath(QStringLiteral("paper.txt"));
    const QString state = dir_.filePath(QStringLiteral("state.json"));
    const QStringList files{QStringLiteral("--paper"), paper, QStringLiteral("--state"), state};
    start(files);
    exchange(0x21, 0x40, {"T", "T"});
    ASSERT_TRUE(replyIn(exchange(0x22, 0x42, {"Item de Prueba ", "1.0", "0.01", "0.00", "M", "0.00000000", "0", "T"})));
    // Off at once, nothing saved on the way out: the memory already holds the open ticket.
    tool_.kill();
    ASSERT_TRUE(tool_.waitForFinished(kTimeoutMs));
    ::close(fd_);
    fd_ = -1;
    // On again, and off before a single command: what it printed as the power returned is on the roll.
    start(files);
    stop();
    QFile paperFile(paper);
    ASSERT_TRUE(paperFile.open(QIODevice::ReadOnly));
    const QByteArray printed = paperFile.readAll();
    EXPECT_TRUE(printed.contains("CORTE DE CORRIENTE\n== CANCELADO TIQUE Nro 0001-00000001 ==\n== TIQUE Nro 0001-00000002 ==\n"))
        << printed.toStdString();
    EXPECT_TRUE(printed.contains("COMPROBANTE RESTAURADO")) << printed.toStdString();
}

TEST_F(ToolTest, InjectedBusyFaultSendsKeepAlivesBeforeTheReply) {
    start({QStringLiteral("--fault"), QStringLiteral("busy,seconds=1.2")});
    const auto items = exchange(0x20, 0x2A);
    int keepAlives = 0;
    for (const auto& item : items) keepAlives += item.kind == frame::Received::Kind::Control && item.control == frame::DC2;
    EXPECT_EQ(keepAlives, 3);
    EXPECT_TRUE(replyIn(items));
    stop();
}

TEST_F(ToolTest, CorruptStateFileIsRefusedBeforeAnyDeviceAppears) {
    const QString state = dir_.filePath(QStringLiteral("state.json"));
    QFile file(state);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\"format\": \"orbelo-virtual-printer-state\", \"version\": 1}");
    file.close();
    tool_.start(QStringLiteral(ORBELO_VIRTUAL_PRINTER), {QStringLiteral("--state"), state});
    ASSERT_TRUE(tool_.waitForFinished(kTimeoutMs));
    EXPECT_EQ(tool_.exitCode(), 2);
    EXPECT_TRUE(tool_.readAllStandardOutput().isEmpty());
    EXPECT_TRUE(tool_.readAllStandardError().contains(state.toLocal8Bit()));
}

TEST_F(ToolTest, OnePrinterPerStateFileAndAKilledOneLeavesNoLockBehind) {
    const QString state = dir_.filePath(QStringLiteral("state.json"));
    start({QStringLiteral("--state"), state});

    QProcess second;
    second.start(QStringLiteral(ORBELO_VIRTUAL_PRINTER), {QStringLiteral("--state"), state});
    ASSERT_TRUE(second.waitForFinished(kTimeoutMs));
    EXPECT_EQ(second.exitCode(), 2);
    EXPECT_TRUE(second.readAllStandardOutput().isEmpty()) << "no device for the second printer";
    const QString refusal = QString::fromLocal8Bit(second.readAllStandardError());
    EXPECT_TRUE(refusal.contains(state)) << refusal.toStdString();
    EXPECT_TRUE(refusal.contains(QStringLiteral("en uso"))) << refusal.toStdString();
    EXPECT_TRUE(replyIn(exchange(0x20, 0x2A))) << "the first printer goes on";

    // Killed without a chance to clean up: the next printer on the file still starts.
    tool_.kill();
    ASSERT_TRUE(tool_.waitForFinished(kTimeoutMs));
    ::close(fd_);
    fd_ = -1;
    start({QStringLiteral("--state"), state});
    EXPECT_TRUE(replyIn(exchange(0x21, 0x2A)));
    stop();
}

// The file is claimed, not its name: a second printer reached through a symbolic or a hard link
// is refused, and the first one's fiscal memory is what the file keeps.
TEST_F(ToolTest, NoLinkStartsASecondPrinterOnTheSameStateFile) {
    const QString state = dir_.filePath(QStringLiteral("state.json"));
    const auto inode = [&state] {
        struct stat info {};
        return ::stat(QFile::encodeName(state).constData(), &info) == 0 ? info.st_ino : 0;
    };
    const auto hardLink = [](const QString& target, const QString& link) {
        return QDir().mkpath(QFileInfo(link).path()) &&
               ::link(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()) == 0;
    };
    // A link made while no printer runs leads to the memory the next one starts from.
    start({QStringLiteral("--state"), state});
    stop();
    ::close(fd_);
    fd_ = -1;
    const QString early = dir_.filePath(QStringLiteral("enlace-previo.json"));
    ASSERT_TRUE(hardLink(state, early));
    start({QStringLiteral("--state"), state});
    const auto first = inode();
    EXPECT_TRUE(replyIn(exchange(0x20, 0x40, {"T", "T"})));
    // The printer saves a memory that changed, putting a new file in the old one's place.
    QDeadlineTimer saved(kTimeoutMs);
    while (inode() == first && !saved.hasExpired()) QThread::msleep(50);
    ASSERT_NE(inode(), first);
    const struct {
        const char* name;
        QString path;
        bool (*make)(const QString& target, const QString& link);
    } links[] = {
        {"symbolic", dir_.filePath(QStringLiteral("otro-nombre.json")),
         [](const QString& target, const QString& link) { return QFile::link(target, link); }},
        {"hard", dir_.filePath(QStringLiteral("otra-carpeta/estado.json")), hardLink},
        {"hard, made before the printer started", early, nullptr},
    };
    for (const auto& l : links) {
        SCOPED_TRACE(l.name);
        if (l.make) {
            ASSERT_TRUE(l.make(state, l.path));
        }
        QProcess second;
        second.start(QStringLiteral(ORBELO_VIRTUAL_PRINTER), {QStringLiteral("--state"), l.path});
        ASSERT_TRUE(second.waitForFinished(kTimeoutMs));
        EXPECT_EQ(second.exitCode(), 2);
        EXPECT_TRUE(second.readAllStandardOutput().isEmpty()) << "no device for the second printer";
        const QString refusal = QString::fromLocal8Bit(second.readAllStandardError());
        EXPECT_TRUE(refusal.contains(QStringLiteral("en uso por otro impresor virtual"))) << refusal.toStdString();
        EXPECT_TRUE(replyIn(exchange(0x21, 0x2A))) << "the first printer goes on";
        QFile::remove(l.path);
    }
    stop();
}

TEST_F(ToolTest, EachBrandStartsWithAnIdentityOfItsOwn) {
    QList<sim::FiscalIdentity> identities;
    for (const char* brand : {"hasar", "epson"}) {
        const QString state = dir_.filePath(QStringLiteral("%1.json").arg(QLatin1String(brand)));
        start({QStringLiteral("--brand"), QLatin1String(brand), QStringLiteral("--state"), state});
        stop();
        ::close(fd_);
        fd_ = -1;
        QString error;
        const auto memory = sim::state_file::load(state, &error);
        ASSERT_TRUE(memory) << error.toStdString();
        identities.append(memory->identity);
    }
    EXPECT_NE(identities[0].registration, identities[1].registration);
    EXPECT_NE(identities[0].cuit, identities[1].cuit);
    EXPECT_NE(identities[0].businessName, identities[1].businessName);
}

TEST_F(ToolTest, HelpAndBadOptions) {
    tool_.start(QStringLiteral(ORBELO_VIRTUAL_PRINTER), {QStringLiteral("--help")});
    ASSERT_TRUE(tool_.waitForFinished(kTimeoutMs));
    EXPECT_EQ(tool_.exitCode(), 0);
    EXPECT_TRUE(tool_.readAllStandardOutput().contains("--fault"));

    tool_.start(QStringLiteral(ORBELO_VIRTUAL_PRINTER), {QStringLiteral("--model"), QStringLiteral("12")});
    ASSERT_TRUE(tool_.waitForFinished(kTimeoutMs));
    EXPECT_EQ(tool_.exitCode(), 2);
}

}  // namespace

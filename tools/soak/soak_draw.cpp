#include "soak_draw.h"

#include "soak_catalogue.h"

#include "short_link_limits.h"

#include <QRegularExpression>

namespace {

// Each kind with what is drawn for it. Holds stay under the command limit but paper out, which
// may pass it (time without paper does not count); repeats stay under the link's sends.
enum class Kind { DropReply, CorruptReply, NakRequest, Silent, Busy, PaperOut, Disconnect, Garbage, Chatty, BufferFull, PowerCut };

struct KindInfo {
    Kind kind;
    const char* name;
    int minMs, maxMs;  // its hold, 0 when it has none
    bool everyFrame;   // may hit every matching frame (times=0)
};

constexpr KindInfo kKinds[] = {
    {Kind::DropReply, "drop-reply", 0, 0, true},      {Kind::CorruptReply, "corrupt-reply", 0, 0, false},
    {Kind::NakRequest, "nak-request", 0, 0, true},    {Kind::Silent, "silent", 0, 0, true},
    {Kind::Busy, "busy", 300, 1500, false},           {Kind::PaperOut, "paper-out", 500, 3500, false},
    {Kind::Disconnect, "disconnect", 0, 0, false},    {Kind::Garbage, "garbage", 0, 0, true},
    {Kind::Chatty, "chatty", 300, 1000, false},       {Kind::BufferFull, "buffer-full", 0, 0, false},
    {Kind::PowerCut, "power-cut", 300, 1000, false},
};
static_assert(1500 < short_link_limits::kCommandLimitMs);

QString hex(quint8 code) { return QString::number(code, 16).toUpper().rightJustified(2, QLatin1Char('0')); }

struct Frame {
    quint8 command = 0;
    int after = 0;
};

// A frame of the operation: anywhere, or (for a fault after another) the same frame, the next, or
// the same command sent again.
Frame drawFrame(SoakRandom& r, const QList<quint8>& commands, const std::optional<Frame>& previous) {
    if (previous && r.percent(35)) return {previous->command, previous->after + r.below(3)};
    const int at = r.below(int(commands.size()));
    return {commands[at], int(commands.mid(0, at).count(commands[at]))};
}

QString drawFault(SoakRandom& r, int model, const Frame& frame) {
    const int choices = int(std::size(kKinds));
    KindInfo k = kKinds[r.below(choices)];
    // The full buffer is the Hasar's alone.
    while (k.kind == Kind::BufferFull && isEpsonModel(model)) k = kKinds[r.below(choices)];
    QString text = QStringLiteral("%1,cmd=%2,after=%3").arg(QLatin1String(k.name), hex(frame.command)).arg(frame.after);
    const int times = k.everyFrame && r.percent(15) ? 0 : 1 + r.below(3);
    if (k.maxMs > 0) {
        const int ms = k.minMs + r.below(k.maxMs - k.minMs + 1);
        text += QStringLiteral(",seconds=%1").arg(ms / 1000.0);
    } else if (k.kind != Kind::Disconnect && times != 1) {
        text += QStringLiteral(",times=%1").arg(times);
    }
    return text;
}

// A lasting condition the printer may be started in: the Epson with a weak battery or a Z due,
// a slip Hasar blocked.
QStringList drawCondition(SoakRandom& r, int model) {
    if (isEpsonModel(model)) {
        if (r.percent(4)) return {QStringLiteral("--z-due")};
        if (r.percent(4)) return {QStringLiteral("--battery-low")};
    } else if ((model == 7 || model == 8) && r.percent(3)) {
        return {QStringLiteral("--blocked")};
    }
    return {};
}

SoakStep drawStep(SoakRandom& r, int model, const QString& operation, const QList<quint8>& commands) {
    SoakStep step{operation, drawCondition(r, model), false};
    if (commands.isEmpty()) return step;
    static const int kFaultsWeights[] = {20, 45, 25, 10};  // none, one, two, three
    int pick = r.below(100);
    int faults = 0;
    while (pick >= kFaultsWeights[faults]) pick -= kFaultsWeights[faults++];
    std::optional<Frame> previous;
    for (int i = 0; i < faults; ++i) {
        const Frame frame = drawFrame(r, commands, previous);
        step.printerArguments << QStringLiteral("--fault") << drawFault(r, model, frame);
        previous = frame;
    }
    // The printer killed once it saved a document open: it must first be held inside one, silent
    // on a command after the first.
    if (commands.size() > 2 && r.percent(8)) {
        const int at = 1 + r.below(int(commands.size()) - 1);
        step.printerArguments << QStringLiteral("--fault")
                              << QStringLiteral("silent,cmd=%1,after=%2,times=0")
                                     .arg(hex(commands[at]))
                                     .arg(commands.mid(0, at).count(commands[at]));
        step.restartMidDocument = true;
    }
    return step;
}

}  // namespace

SoakCase drawCase(quint32 seed, int model, int steps, const CommandsOf& commandsOf) {
    SoakRandom r(seed);
    SoakCase c{model, seed, {}};
    const QList<SoakOperation>& operations = soakOperations();
    for (int i = 0; i < steps; ++i) {
        const QString& operation = operations[r.below(int(operations.size()))].name;
        c.steps << drawStep(r, model, operation, commandsOf(model, operation));
    }
    return c;
}

int faultHoldMs(const SoakStep& step) {
    static const QRegularExpression seconds(QStringLiteral("seconds=([0-9.]+)"));
    int longest = 0;
    for (const QString& a : step.printerArguments) {
        const QRegularExpressionMatch m = seconds.match(a);
        if (m.hasMatch()) longest = qMax(longest, int(m.captured(1).toDouble() * 1000));
    }
    return longest;
}

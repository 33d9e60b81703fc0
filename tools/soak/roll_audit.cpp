#include "roll_audit.h"

#include "sim/document_kind.h"

#include <QHash>
#include <QJsonValue>
#include <QMap>

namespace {

const QString kFinished = QStringLiteral("FIN ");
const QString kCancelled = QStringLiteral("CANCELADO ");

// The state file's counter of each numbered title, from the printers' own table of kinds.
const QHash<QString, QString>& countersByTitle() {
    static const QHash<QString, QString> counters = [] {
        QHash<QString, QString> out{{QStringLiteral("INFORME Z"), QStringLiteral("last_z")},
                                    {QStringLiteral("INFORME X"), QStringLiteral("last_x")}};
        for (int k = 0; k <= int(sim::DocumentKind::NonFiscal); ++k) {
            const sim::DocumentKindInfo& kind = sim::info(sim::DocumentKind(k));
            QString counter;
            switch (kind.series) {
            case sim::Series::A: counter = QStringLiteral("a"); break;
            case sim::Series::B: counter = QStringLiteral("b"); break;
            case sim::Series::CreditNoteA: counter = QStringLiteral("credit_note_a"); break;
            case sim::Series::CreditNoteB: counter = QStringLiteral("credit_note_b"); break;
            case sim::Series::DeliveryNote: counter = QStringLiteral("delivery_note"); break;
            case sim::Series::NonFiscal: counter = QStringLiteral("non_fiscal"); break;
            case sim::Series::Unnumbered: continue;
            }
            out.insert(QString::fromLatin1(kind.title), counter);
        }
        return out;
    }();
    return counters;
}

quint32 savedLast(const QJsonObject& state, const QString& counter) {
    const QJsonValue v = counter.startsWith(QStringLiteral("last_")) ? state.value(counter)
                                                                     : state.value(QStringLiteral("last_numbers")).toObject().value(counter);
    return quint32(v.toInteger());
}

}  // namespace

QString RollBlock::counter() const {
    const qsizetype at = title.indexOf(QStringLiteral(" Nro "));
    return at < 0 ? QString() : countersByTitle().value(title.left(at));
}

quint32 RollBlock::number() const {
    const qsizetype at = title.indexOf(QStringLiteral(" Nro "));
    return at < 0 ? 0 : title.mid(at + 5).section(QLatin1Char('-'), -1).toUInt();
}

QString RollBlock::kind() const {
    const qsizetype at = title.indexOf(QStringLiteral(" Nro "));
    if (at >= 0) return title.left(at);
    // An unnumbered one is its title and a reference, or a range for the global report.
    for (int k = 0; k <= int(sim::DocumentKind::NonFiscal); ++k) {
        const QString known = QString::fromLatin1(sim::info(sim::DocumentKind(k)).title);
        if (title.startsWith(known + QLatin1Char(' '))) return known;
    }
    const QString global = QStringLiteral("INFORME GLOBAL");
    return title.startsWith(global) ? global : title;
}

RollReading readRoll(const QStringList& lines) {
    RollReading out;
    const auto openBlock = [&]() -> RollBlock* {
        return !out.blocks.isEmpty() && out.blocks.last().end == RollBlock::End::Open ? &out.blocks.last() : nullptr;
    };
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (!line.startsWith(QStringLiteral("== ")) || !line.endsWith(QStringLiteral(" =="))) continue;
        const QString title = line.mid(3, line.size() - 6);
        const bool finished = title.startsWith(kFinished);
        const bool cancelled = title.startsWith(kCancelled);
        if (finished || cancelled) {
            const QString closed = title.mid((finished ? kFinished : kCancelled).size());
            RollBlock* open = openBlock();
            if (!open || open->title != closed) {
                out.faults << QStringLiteral("línea %1: \"%2\" no cierra ningún documento abierto").arg(i + 1).arg(line);
                continue;
            }
            open->end = finished ? RollBlock::End::Finished : RollBlock::End::Cancelled;
            continue;
        }
        if (const RollBlock* open = openBlock())
            out.faults << QStringLiteral("línea %1: empieza %2 con %3 abierto").arg(i + 1).arg(title, open->title);
        out.blocks << RollBlock{title, i, RollBlock::End::Open};
    }
    return out;
}

QStringList auditRoll(const RollReading& roll, const QJsonObject& state) {
    QStringList out = roll.faults;
    QMap<QString, quint32> last;
    QMap<QString, bool> lastOpen;
    for (const RollBlock& b : roll.blocks) {
        const QString counter = b.counter();
        if (counter.isEmpty()) continue;
        // A counter's first block on a fresh roll may start anywhere; each later one follows it.
        if (last.contains(counter) && b.number() != last[counter] + 1)
            out << QStringLiteral("%1 sigue a Nro %2: la numeración no es correlativa").arg(b.title).arg(last[counter]);
        last[counter] = b.number();
        lastOpen[counter] = b.end == RollBlock::End::Open;
    }
    // A document's number is used up when it ends: while it is open the counter holds the one before.
    for (auto it = last.cbegin(); it != last.cend(); ++it) {
        const quint32 used = lastOpen[it.key()] ? it.value() - 1 : it.value();
        if (savedLast(state, it.key()) != used)
            out << QStringLiteral("el rollo usó hasta el Nro %1 de '%2' y la memoria fiscal guarda %3")
                       .arg(used)
                       .arg(it.key())
                       .arg(savedLast(state, it.key()));
    }
    const bool rollOpen = !roll.blocks.isEmpty() && roll.blocks.last().end == RollBlock::End::Open;
    const bool stateOpen = state.value(QStringLiteral("open_document")).isObject();
    if (rollOpen != stateOpen)
        out << (rollOpen ? QStringLiteral("el rollo deja abierto %1 y la memoria fiscal no tiene documento abierto").arg(roll.blocks.last().title)
                         : QStringLiteral("la memoria fiscal tiene un documento abierto que el rollo no muestra"));
    return out;
}

#include "documents_e2e_fixture.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int kEpsonPortIndex = 1;  // " 2", where the fixture's Epson printer listens
}  // namespace

const QString DocumentsEndToEnd::kPr4 = QStringLiteral("3 - Hasar PR4");
const QString DocumentsEndToEnd::kPj20 = QStringLiteral("7 - Hasar PJ20");
const QString DocumentsEndToEnd::k715 = QStringLiteral("9 - Hasar 715/PR5");

void DocumentsEndToEnd::print(QPushButton* document, const QString& documents, const QString& items) {
    w().txtCant->setText(documents);
    click(document);
    w().txtCantItems->setText(items);
    click(w().btnAceptar);
}

void DocumentsEndToEnd::startHasar(const QString& model, const QString& entry, const QStringList& arguments) {
    start(QStringList{QStringLiteral("--model"), model} + arguments);
    selectModel(entry);
}

void DocumentsEndToEnd::printCleanly(QPushButton* document, const QString& documents, const QString& items) {
    print(document, documents, items);
    expectCleanEnd();
}

void DocumentsEndToEnd::printCancellingLeftOpen(QPushButton* document, const QString& documents, const QString& items,
                                                const QString& cancelled) {
    print(document, documents, items);
    EXPECT_EQ(trace.lines(), QStringList{toldCancelledLeftOpen(cancelled)});
    trace.clear();
    expectCleanEnd();
}

void DocumentsEndToEnd::selectEpson() {
    selectModel(kEpson);
    w().cboPuerto->setCurrentIndex(kEpsonPortIndex);
}

QString DocumentsEndToEnd::shown() const { return trace.lines().join(QLatin1Char('\n')); }

void DocumentsEndToEnd::expectOneDriverError() {
    ASSERT_EQ(trace.lines().size(), 1) << shown().toStdString();
    EXPECT_TRUE(trace.lines()[0].startsWith(QStringLiteral("Msg(16,"))) << shown().toStdString();
    EXPECT_TRUE(w().fmeCantItems->isEnabled());
    trace.clear();
}

void DocumentsEndToEnd::expectCleanEnd() {
    EXPECT_TRUE(trace.lines().isEmpty()) << shown().toStdString();
    EXPECT_FALSE(w().fmeCantItems->isEnabled());
    EXPECT_EQ(w().txtCantItems->text(), QStringLiteral("1"));
}

void DocumentsEndToEnd::expectMemory(const QJsonObject& state, Values lastNumbers, Values dayCounters) {
    const QJsonObject last = state.value(QStringLiteral("last_numbers")).toObject();
    for (const auto& [series, number] : lastNumbers) EXPECT_EQ(last.value(QLatin1String(series)).toInteger(-1), number) << series;
    const QJsonObject day = state.value(QStringLiteral("day")).toObject();
    for (const auto& [counter, count] : dayCounters) EXPECT_EQ(day.value(QLatin1String(counter)).toInteger(-1), count) << counter;
    EXPECT_TRUE(state.value(QStringLiteral("open_document")).isNull());
}

namespace {

QString endName(PrintedDocument::End end) {
    switch (end) {
    case PrintedDocument::End::Completed: return QStringLiteral("fin");
    case PrintedDocument::End::Cancelled: return QStringLiteral("cancelado");
    case PrintedDocument::End::LeftOpen: break;
    }
    return QStringLiteral("abierto");
}

}  // namespace

std::string DocumentsEndToEnd::outline(const QList<PrintedDocument>& documents) {
    QStringList out;
    for (const PrintedDocument& d : documents)
        out << QStringLiteral("%1 %2 %3 items").arg(d.title, endName(d.end)).arg(d.linesStartingWith(QStringLiteral("ITEM ")).size());
    return out.join(QLatin1Char('\n')).toStdString();
}

std::string DocumentsEndToEnd::describe(const QList<PrintedDocument>& documents) {
    QStringList out;
    for (const PrintedDocument& d : documents)
        out << QStringLiteral("%1 [%2]\n  %3").arg(d.title, endName(d.end), d.body.join(QStringLiteral("\n  ")));
    return out.join(QLatin1Char('\n')).toStdString();
}

#pragma once

#include <QString>
#include <QStringList>
#include <utility>

namespace sim {

// What the printer has printed and nobody has collected yet, one text line per printed line.
class PaperRoll {
public:
    explicit PaperRoll(int columns = 40) : columns_(columns) {}

    // Texts from the host are cut to the width of the station, as the mechanism does.
    QString fit(const QString& text) const { return text.left(columns_); }

    void print(const QString& line) { pending_.append(line); }
    void print(const QStringList& lines) { pending_.append(lines); }
    // The lines printed since the last call, oldest first.
    QStringList take() { return std::exchange(pending_, {}); }

private:
    int columns_;
    QStringList pending_;
};

}  // namespace sim

#pragma once

#include "drivers/link/frame.h"

#include <QObject>
#include <QStringList>

class Link;

// The lasting conditions a printer reports in its replies (a weak battery, a Z due, the fiscal
// memory almost full, paper running out): the command ran, and the technician should know.
// Told after every reply with readable status words, so the caption follows the printer that
// answered last and drops a condition as soon as a reply no longer reports it.
class PrinterConditions : public QObject {
    Q_OBJECT

public:
    // The brand's reading: the caption's notice of each condition a reply's fields report.
    using Reader = QStringList (*)(const QList<QByteArray>& replyFields);

    PrinterConditions(Link& link, Reader read);

    const QStringList& current() const { return current_; }

signals:
    void reported(const QStringList& notices);

private:
    void onReply(const frame::Frame& reply);

    Reader read_;
    QStringList current_;
};

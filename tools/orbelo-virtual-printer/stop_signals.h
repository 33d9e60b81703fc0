#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <memory>

// Turns SIGTERM and SIGINT into a Qt signal, through a pipe, so the program stops between
// two events and never inside one.
class StopSignals : public QObject {
    Q_OBJECT
public:
    bool install(QString* error);

signals:
    void stopRequested();

private:
    std::unique_ptr<QSocketNotifier> notifier_;
};

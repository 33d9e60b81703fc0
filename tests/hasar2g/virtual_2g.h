#pragma once

#include <QJsonObject>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

// The orbelo-virtual-printer program as a 2G Hasar on 127.0.0.1, with its paper roll, and a
// plain client of its own to read what it recorded without going through the driver.
class Virtual2g {
public:
    ~Virtual2g() { stop(); }

    // Starts it with these extra options (faults, a user); false with the reason in `error`.
    bool start(const QStringList& extra, QString* error);
    void stop();
    const QUrl& url() const { return url_; }

    // ConsultarEstado for a document code, as the printer answers it.
    QJsonObject status(int code, const QByteArray& user = "tecnico");
    // The paper roll printed so far.
    QString roll() const;

private:
    QTemporaryDir dir_;
    QProcess tool_;
    QUrl url_;
};

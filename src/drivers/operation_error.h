#pragma once

#include <QString>
#include <exception>

// Every failure an operation can meet carries a number and a description; the window's error
// path shows both. Driver errors and the window's text-to-number conversion errors share this base.
class OperationError : public std::exception {
public:
    OperationError(int number, QString description)
        : number_(number), description_(std::move(description)), what_(description_.toUtf8()) {}

    int number() const noexcept { return number_; }
    const QString& description() const noexcept { return description_; }
    const char* what() const noexcept override { return what_.constData(); }
    // What the operation that met the failure adds after its words, as a sentence of its own;
    // nothing when `words` is empty.
    void addWords(const QString& words) {
        if (words.isEmpty()) return;
        if (!description_.isEmpty() && !QStringLiteral(".:!?").contains(description_.back())) description_ += QLatin1Char('.');
        description_ += QLatin1Char(' ') + words;
        what_ = description_.toUtf8();
    }

private:
    int number_;
    QString description_;
    QByteArray what_;
};

// Raised by a printer driver: the port, the link or the printer refused or failed.
class DriverError : public OperationError {
public:
    using OperationError::OperationError;
};

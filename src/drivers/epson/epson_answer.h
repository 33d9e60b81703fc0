#pragma once

#include "epson_choices.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The answer to the last accepted status request, read through the four answer properties.
// Fields are numbered from 1: printer status, fiscal status, then the data fields.
class EpsonAnswer {
public:
    EpsonAnswer() = default;
    EpsonAnswer(char letter, QList<QByteArray> fields) : letter_(letter), fields_(std::move(fields)) {}

    QString answer0B() const;
    QString answer0E() const;
    QString answer10() const;
    QString answer11() const;

private:
    QString field(int number) const;
    const EpsonReadings::AnswerFields& columns() const;

    char letter_ = 0;
    QList<QByteArray> fields_;
};

#include "epson_answer.h"

#include "epson_charset.h"

QString EpsonAnswer::answer0B() const { return field(columns().answer0B); }
QString EpsonAnswer::answer0E() const { return field(columns().answer0E); }
QString EpsonAnswer::answer10() const { return field(columns().answer10); }
QString EpsonAnswer::answer11() const { return field(columns().answer11); }

QString EpsonAnswer::field(int number) const {
    // Answers that end early leave the later fields empty rather than failing the window.
    if (number < 1 || number > fields_.size()) return {};
    return epson_charset::decode(fields_[number - 1]);
}

const EpsonReadings::AnswerFields& EpsonAnswer::columns() const {
    return letter_ == kEpsonReadings.taxpayerLetter ? kEpsonReadings.afterTaxpayer : kEpsonReadings.afterOther;
}

#pragma once

#include <QByteArray>
#include <initializer_list>

// A raw Hasar command: the command byte, then each field preceded by the field separator.
QByteArray rawCommand(char command, const QByteArray& fieldSeparator, std::initializer_list<QByteArray> fields = {});

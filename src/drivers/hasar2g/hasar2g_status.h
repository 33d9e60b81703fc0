#pragma once

#include "hasar2g_answer.h"

#include <QStringList>
#include <optional>

// What a 2G reply's Estado and ConsultarEstado's fields say, read once for the driver and its probe.
namespace hasar2g_status {

// An Error… flag of the fiscal list, or a fault of the printing mechanism: the command failed.
bool failed(const hasar2g_answer::Answer& answer);
// A fault of the printing mechanism rather than a refusal of the command.
bool mechanismFault(const hasar2g_answer::Answer& answer);
// The words of every failure flag set, for a message when the printer tells no more.
QStringList failureWords(const hasar2g_answer::Answer& answer);
// The caption's notices of the lasting conditions set.
QStringList conditions(const hasar2g_answer::Answer& answer);

// ConsultarEstado: the code of the document in course, 0 when none.
int documentInCourse(const hasar2g_answer::Answer& status);
// ConsultarEstado: the open document already holds a payment, so Cancelar is refused.
bool withPayments(const hasar2g_answer::Answer& status);

// A counter as the printer writes it: up to nine digits and nothing else; empty otherwise.
std::optional<quint32> number(const QString& text);

}  // namespace hasar2g_status

#include "hasar_status.h"

#include "drivers/clock_refusal.h"
#include "drivers/error_numbers.h"
#include "drivers/link/link_errors.h"
#include "drivers/link/link_trace.h"
#include "hasar_choices.h"

#include <QStringList>
#include <cctype>

namespace {

std::optional<quint16> statusWord(const QByteArray& field) {
    if (field.size() != 4) return std::nullopt;
    for (char c : field)
        if (!std::isxdigit(static_cast<unsigned char>(c))) return std::nullopt;
    bool ok = false;
    const uint value = field.toUInt(&ok, 16);
    if (!ok) return std::nullopt;
    return static_cast<quint16>(value);
}

template <std::size_t N>
QStringList meanings(quint16 word, const std::array<hasar_choice::StatusBit, N>& bits) {
    QStringList out;
    for (const auto& b : bits)
        if (word & (1u << b.bit)) out << QString::fromUtf8(b.meaning);
    return out;
}

// Bits that fail no command, in the maker's words; the failing ones are in hasar_choice.
constexpr std::array<hasar_choice::StatusBit, 5> kPrinterInfoBits{{
    {4, "falta papel del diario"},
    {5, "falta papel de tickets o comprobantes"},
    {7, "búfer de impresión vacío"},
    {14, "cajón cerrado o ausente"},
    {15, "suma de los bits 2 a 5, 8 y 14"},
}};
constexpr std::array<hasar_choice::StatusBit, 7> kFiscalInfoBits{{
    {8, "memoria fiscal casi llena"},
    {9, "terminal certificada"},
    {10, "terminal fiscalizada"},
    {12, "documento fiscal abierto"},
    {13, "documento abierto"},
    {14, "documento abierto en hoja suelta, o STATPRN activo"},
    {15, "suma de los bits 0 a 8"},
}};

template <std::size_t N>
const char* meaningOf(int bit, const std::array<hasar_choice::StatusBit, N>& bits) {
    for (const auto& b : bits)
        if (b.bit == bit) return b.meaning;
    return nullptr;
}

template <std::size_t E, std::size_t I>
QStringList bitWords(quint16 word, const std::array<hasar_choice::StatusBit, E>& failing,
                     const std::array<hasar_choice::StatusBit, I>& info) {
    return link_trace::bitMeanings(word, [&](int bit) {
        const char* meaning = meaningOf(bit, info);
        return meaning ? meaning : meaningOf(bit, failing);
    });
}

}  // namespace

QString hasarStatusInWords(const QList<QByteArray>& fields) {
    const auto printer = fields.size() >= 2 ? statusWord(fields[0]) : std::nullopt;
    const auto fiscal = fields.size() >= 2 ? statusWord(fields[1]) : std::nullopt;
    if (!printer || !fiscal) return {};
    return link_trace::statusWords(*printer, bitWords(*printer, hasar_choice::kPrinterErrorBits, kPrinterInfoBits),
                                   *fiscal, bitWords(*fiscal, hasar_choice::kFiscalErrorBits, kFiscalInfoBits));
}

HasarStatus readStatus(quint8 command, const frame::Frame& reply) {
    const auto printer = reply.fields.size() >= 2 ? statusWord(reply.fields[0]) : std::nullopt;
    const auto fiscal = reply.fields.size() >= 2 ? statusWord(reply.fields[1]) : std::nullopt;
    if (!printer || !fiscal)
        throw DriverError(error_number::kBadReply,
                          QStringLiteral("El impresor respondió al comando %1 sin palabras de estado legibles: %2")
                              .arg(link_error::commandCode(command), frame::hex(frame::encode(reply)).left(80)));
    return {*printer, *fiscal};
}

std::optional<DriverError> statusError(quint8 command, const HasarStatus& status) {
    const QStringList fiscal = meanings(status.fiscal, hasar_choice::kFiscalErrorBits);
    const QStringList printer = meanings(status.printer, hasar_choice::kPrinterErrorBits);
    const QString code = link_error::commandCode(command);
    if (!fiscal.isEmpty()) {
        const QString refusal =
            QStringLiteral("El impresor rechazó el comando %1: %2").arg(code, (fiscal + printer).join(QStringLiteral(", ")));
        return DriverError(error_number::kPrinterRefused,
                           command == hasar_command::kSetDateTime ? withClockRefusalAdvice(refusal) : refusal);
    }
    if (!printer.isEmpty())
        return DriverError(error_number::kPrinterFault, QStringLiteral("El impresor no pudo ejecutar el comando %1: %2")
                                                            .arg(code, printer.join(QStringLiteral(", "))));
    return std::nullopt;
}

bool fiscalDocumentOpen(const HasarStatus& status) {
    return status.fiscal & (1u << hasar_choice::kFiscalDocumentOpenBit);
}

bool unknownCommand(const HasarStatus& status) { return status.fiscal & (1u << hasar_choice::kUnknownCommandBit); }

std::optional<AuxiliaryStatus> readAuxiliary(const QByteArray& field) {
    if (field.isEmpty() || field.size() > 4) return std::nullopt;
    for (char c : field)
        if (!std::isxdigit(static_cast<unsigned char>(c))) return std::nullopt;
    const auto digit = [](char c) { return QByteArray(1, c).toInt(nullptr, 16); };
    const int state = digit(field.back());
    // Only 0..9 are parser states; a letter there is not an auxiliary status.
    if (state > 9) return std::nullopt;
    return AuxiliaryStatus{state, field.size() > 1 ? digit(field.front()) : 0};
}

bool trainingMode(const AuxiliaryStatus& auxiliary) { return auxiliary.flags & hasar_choice::kTrainingFlag; }

bool documentOpen(const HasarStatus& status) {
    for (int bit : hasar_choice::kDocumentOpenBits)
        if (status.fiscal & (1u << bit)) return true;
    return false;
}

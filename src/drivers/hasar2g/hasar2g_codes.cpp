#include "hasar2g_protocol.h"

#include <algorithm>

namespace hasar2g {

std::optional<int> codeOfLetter(char letter, bool homologated) {
    const auto find = [letter](const auto& table) -> std::optional<int> {
        const auto l = std::ranges::find(table, letter, &Letter::letter);
        return l == std::end(table) ? std::nullopt : std::optional<int>(l->code);
    };
    return homologated ? find(kHomologatedLetters) : find(kFiscalLetters);
}

Document documentOfCode(int code) {
    const auto c = std::ranges::find(kCodes, code, &Code::code);
    return c == std::end(kCodes) ? Document::unnamed("el comprobante") : Document::of(c->id);
}

}  // namespace hasar2g

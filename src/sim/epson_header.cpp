#include "epson_command_set.h"
#include "epson_fields.h"
#include "hasar_fields.h"

#include "epson_words.h"

namespace sim {

using namespace epson_bit;

// Lines 1-10 print above every document, 11-20 below it, each up to the roll's width. Hosts write the line number with
// leading zeros ("00011") or without ("11"); both name the same line.
EpsonCommandSet::Answer EpsonCommandSet::setHeaderTrailer(const Fields& f, qint64) {
    const auto line = hasar::lineNumber(f, 1, FiscalMemory::kHeaderTrailerLines);
    if (!line || f.size() < 2 || f[1].size() > kColumns) return refuse(kInvalidField);
    // A document already printed its header: the lines change between documents only.
    if (memory_.open) return refuse(kInvalidState);
    // A lone DEL reads as no text: it erases the line.
    memory_.headerTrailer[*line - 1] = epson::text(f, 2);
    return {};
}

}  // namespace sim

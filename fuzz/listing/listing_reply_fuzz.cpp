// Feeds arbitrary bytes as the reply lines of "ls -l" and "df" (one line per
// LF) to the listing reader, and each line as a name to the collator in both
// encodings.

#include "ferrymate/listing/listing_reply.h"
#include "ferrymate/listing/name_collator.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));

    pf::parseListingReply(lines);
    pf::parseFreeSpace(lines, "/rom0");
    const pf::NameCollator& collator = pf::NameCollator::userDefault();
    for (const std::string& line : lines) {
        collator.sortKey(line, pf::NameEncoding::Utf8);
        collator.sortKey(line, pf::NameEncoding::Cp932);
    }
    return 0;
}

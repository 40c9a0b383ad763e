#include "tools/hdrgen/copy_range.h"

#include <algorithm>
#include <vector>

namespace hdrgen {

CopyOutcome copyRange(const ByteSource& source, std::uint64_t offset, std::uint64_t length,
                      pf::ReplacementFile& output) {
    constexpr std::size_t kPiece = 32768;
    std::vector<std::uint8_t> piece(static_cast<std::size_t>(std::min<std::uint64_t>(kPiece, length)));
    CopyOutcome outcome;
    while (outcome.copied < length) {
        const auto want = static_cast<std::size_t>(std::min<std::uint64_t>(kPiece, length - outcome.copied));
        const std::size_t got = source.readAt(offset + outcome.copied, std::span(piece).first(want));
        if (got == 0) {
            break;
        }
        if (!output.write(std::span(piece).first(got))) {
            outcome.writeFailed = true;
            break;
        }
        outcome.copied += got;
    }
    return outcome;
}

} // namespace hdrgen

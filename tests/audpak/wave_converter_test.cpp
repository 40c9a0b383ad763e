#include "tools/audpak/wave_converter.h"

#include "wave_builder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace audpak {
namespace {

using namespace test;

// The resource from offset 8 on, or the failure message.
std::string convert(const std::string& file) {
    auto out = std::make_unique<ResultBuffer>();
    try {
        const std::size_t length = convertWave(Source{file}, *out, nullptr, 0);
        return std::string(reinterpret_cast<const char*>(out->data()) + 8, length - 8);
    } catch (const ConvertError& error) {
        return std::string("failed: ") + error.what();
    }
}

std::string samplesResource(std::string_view samples) {
    return le16(static_cast<unsigned>(samples.size())) + le16(1) + le32(0) + std::string(samples);
}

TEST(WaveConverter, CopiesSamplesOfEightBitMono) {
    const std::string samples("\x80\x00\xff\x7f\x01", 5);
    EXPECT_EQ(convert(mono8(samples)), samplesResource(samples));
    EXPECT_EQ(convert(mono8("")), samplesResource(""));
    // Other chunks before and after the data are skipped; the sample rate
    // and the bits field are not looked at; a 14-byte format chunk will do.
    const std::string oldFormat = chunk("fmt ", le16(1) + le16(1) + le32(11025) + le32(11025) + le16(1));
    EXPECT_EQ(convert(riff(chunk("LIST", "INFOxyz!") + oldFormat + chunk("fact", le32(3)) +
                           chunk("data", "abc") + chunk("LIST", "after"))),
              samplesResource("abc"));
    // A file longer than its RIFF size: the data lies inside.
    EXPECT_EQ(convert(mono8("xyz") + "trailing bytes"), samplesResource("xyz"));
}

TEST(WaveConverter, LargestAndTooLargeData) {
    const std::string largest(65518, 'a');
    auto out = std::make_unique<ResultBuffer>();
    EXPECT_EQ(convertWave(Source{mono8(largest)}, *out, nullptr, 0), 65534u);
    EXPECT_EQ(out->get16(8), 65518);
    EXPECT_EQ(convert(mono8(largest + "a")), "failed: data too large\r\n");
    // A size field far beyond the file fails on the size, not by reading.
    EXPECT_EQ(convert(riff(formatChunk(1, 1, 1) + chunkClaiming("data", 0xFFFFFFFF, "abc"))),
              "failed: data too large\r\n");
}

struct FailureCase {
    const char* name;
    std::string file;
    const char* message;
};

TEST(WaveConverter, BadFilesFailWithTheirMessage) {
    const std::string fmt = formatChunk(1, 1, 1);
    const std::vector<FailureCase> cases = {
        {"empty file", "", "unknown format\r\n"},
        {"RIFF without WAVE", "RIFF" + le32(4) + "AVI ", "unknown format\r\n"},
        {"eleven bytes", std::string("RIFF\x04\0\0\0WAV", 11), "unknown format\r\n"},
        {"no RIFF", "RIFX" + le32(4) + "WAVE" + fmt + chunk("data", "a"), "unknown format\r\n"},
        {"16-bit mono", riff(formatChunk(1, 1, 2, 16) + chunk("data", "ab")),
         "accept only 8bit mono wave format\r\n"},
        {"8-bit stereo", riff(formatChunk(1, 2, 2) + chunk("data", "ab")),
         "accept only 8bit mono wave format\r\n"},
        {"not PCM", riff(formatChunk(3, 1, 1) + chunk("data", "ab")),
         "accept only 8bit mono wave format\r\n"},
        {"format chunk of 13 bytes", riff(chunk("fmt ", std::string(13, '\1')) + chunk("data", "a")),
         "unknown format\r\n"},
        {"format chunk cut by the end of the file",
         "RIFF" + le32(100) + "WAVE" + chunkClaiming("fmt ", 16, "\1\0\1"), "unknown format\r\n"},
        {"data before any format chunk", riff(chunk("data", "ab") + fmt), "unknown format\r\n"},
        {"no data chunk", riff(fmt + chunk("LIST", "x")), "no data chunk\r\n"},
        {"no chunks at all", riff(""), "no data chunk\r\n"},
        {"data chunk past the end of the file", riff(fmt + chunkClaiming("data", 100, "abc")),
         "truncated wave data\r\n"},
        {"chunk size past the end of the file", riff(chunkClaiming("LIST", 0xFFFFFFF0, "x") + fmt),
         "no data chunk\r\n"},
        {"RIFF size shorter than the chunks", "RIFF" + le32(4 + 24) + "WAVE" + fmt + chunk("data", "a"),
         "no data chunk\r\n"},
        {"RIFF size longer than the file", "RIFF" + le32(0xFFFFFFFF) + "WAVE" + fmt + "dat",
         "no data chunk\r\n"},
        {"zero-sized chunks", riff(chunk("JUNK", "") + chunk("JUNK", "") + fmt), "no data chunk\r\n"},
        {"16-bit data after a good format", riff(fmt + formatChunk(1, 1, 2, 16) + chunk("data", "ab")),
         "accept only 8bit mono wave format\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(convert(c.file), std::string("failed: ") + c.message);
    }
}

} // namespace
} // namespace audpak

// Bitmaps written by ImageMagick and Pillow (tests/data/imgpak, made by
// make_fixtures.sh there) convert to the same bytes as the hand-built
// pictures, or are refused with the message that says what to do.

#include "process_fixture.h"

namespace imgpak::test {
namespace {

struct RealCase {
    const char* file;
    const Bytes* expected; // null: refused with `message`
    std::string message;
};

void PrintTo(const RealCase& c, std::ostream* os) {
    *os << c.file;
}

const std::string kHeaderAdvice =
    " bytes is not supported; save the picture as a Windows 3 BMP with a 40-byte "
    "header (ImageMagick: convert in.png -compress none BMP3:out.bmp)\r\n";

const std::vector<RealCase> kRealCases{
    {"im_mono", &kMonoResource, ""},        // 1 bit, black first
    {"pil_mono", &kMonoResource, ""},       // 1 bit, black first, 0xFF in a reserved byte
    {"im_grey", &kGreyResource, ""},        // 8 bits, 256 entries, unused red ones
    {"pil_grey_full", &kGreyResource, ""},  // 8 bits, the grey ramp of Pillow's mode L
    {"pil_grey_short", &kGreyResource, ""}, // 8 bits, a palette of 5 entries
    {"im_colour", &kColourResource, ""},
    {"pil_colour", &kColourResource, ""}, // 6 entries
    {"im_grey_v5", nullptr, ": a BMP info header of 124" + kHeaderAdvice},
    {"im_grey_os2", nullptr, ": a BMP info header of 12" + kHeaderAdvice},
    {"im_grey_rle", nullptr,
     ": compressed BMP (compression 1) is not supported; save the picture uncompressed (ImageMagick: "
     "-compress "
     "none)\r\n"},
    {"im_grey_4bit", nullptr, "accept only mono or 256 color format\r\n"},
};

class RealInputTest : public ImgpakProcess, public ::testing::WithParamInterface<RealCase> {};

TEST_P(RealInputTest, ConvertsLikeTheHandBuiltPicture) {
    const RealCase& c = GetParam();
    const std::string bitmap = std::string(IMGPAK_DATA_DIR) + "/" + c.file + ".bmp";
    const ProcessResult result = run({bitmap, "out"});
    if (c.expected == nullptr) {
        const std::string message = c.message.front() == ':' ? bitmap + c.message : c.message;
        EXPECT_EQ(result.out, message);
        EXPECT_EQ(result.code, 1);
        EXPECT_FALSE(exists("out.vr"));
        return;
    }
    EXPECT_EQ(result.code, 0) << result.out;
    EXPECT_EQ(read("out.vr"), *c.expected);
}

INSTANTIATE_TEST_SUITE_P(Writers, RealInputTest, ::testing::ValuesIn(kRealCases),
                         [](const auto& info) { return std::string(info.param.file); });

} // namespace
} // namespace imgpak::test

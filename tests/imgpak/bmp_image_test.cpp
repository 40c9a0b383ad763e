#include "tools/imgpak/bmp_image.h"

#include "test_pictures.h"
#include "tools/imgpak/convert_error.h"

#include <functional>
#include <gtest/gtest.h>

namespace imgpak::test {
namespace {

std::string failureOf(const Bytes& file) {
    try {
        readBmp(file, "in.bmp");
    } catch (const ConvertError& e) {
        return e.what();
    }
    return "(accepted)";
}

BmpSpec plain(int width, int height, int bits) {
    BmpSpec s;
    s.width = width;
    s.height = height;
    s.bits = bits;
    s.palette = {kWhite, kBlack};
    return s;
}

// An 8 x 8 8-bit bitmap with the 32-bit field at `at` overwritten.
std::function<Bytes()> withField(std::size_t at, std::uint32_t value) {
    return [at, value] {
        auto b = buildBmp(plain(8, 8, 8));
        pf::putLe32(&b[at], value);
        return b;
    };
}

struct RejectCase {
    const char* name;
    std::function<Bytes()> file;
    std::string message;
};

void PrintTo(const RejectCase& c, std::ostream* os) {
    *os << c.name;
}

const std::string kHeaderAdvice = "save the picture as a Windows 3 BMP with a 40-byte header (ImageMagick: "
                                  "convert in.png -compress none BMP3:out.bmp)\r\n";

// Each case breaks one thing; the checks run in the order of the table's
// first rows, so a picture with two faults gets the first one's message.
const std::vector<RejectCase> kRejects{
    {"empty file", [] { return Bytes{}; }, "in.bmp is not BMP file\r\n"},
    {"no magic",
     [] {
         auto b = buildBmp(plain(8, 8, 8));
         b[1] = 'A';
         return b;
     },
     "in.bmp is not BMP file\r\n"},
    {"only the magic",
     [] {
         return Bytes{'B', 'M', 0, 0};
     },
     "in.bmp: the bitmap header is incomplete\r\n"},
    {"cut inside the info header",
     [] {
         auto b = buildBmp(plain(8, 8, 8));
         b.resize(50);
         return b;
     },
     "in.bmp: the bitmap header is incomplete\r\n"},
    {"OS/2 header",
     [] {
         auto s = plain(12, 8, 24);
         s.infoSize = 12;
         return buildBmp(s);
     },
     "in.bmp: a BMP info header of 12 bytes is not supported; " + kHeaderAdvice},
    {"version 5 header before the size checks",
     [] {
         auto s = plain(12, 8, 24);
         s.infoSize = 124;
         return buildBmp(s);
     },
     "in.bmp: a BMP info header of 124 bytes is not supported; " + kHeaderAdvice},
    {"width 12", [] { return buildBmp(plain(12, 8, 8)); }, "width and height must be a multiple of 8\r\n"},
    {"height 12 before the depth", [] { return buildBmp(plain(8, 12, 24)); },
     "width and height must be a multiple of 8\r\n"},
    {"24 bits", [] { return buildBmp(plain(8, 8, 24)); }, "accept only mono or 256 color format\r\n"},
    {"4 bits", [] { return buildBmp(plain(8, 8, 4)); }, "accept only mono or 256 color format\r\n"},
    {"RLE8",
     [] {
         auto s = plain(8, 8, 8);
         s.compression = 1;
         return buildBmp(s);
     },
     "in.bmp: compressed BMP (compression 1) is not supported; save the picture uncompressed "
     "(ImageMagick: -compress none)\r\n"},
    {"top-down rows",
     [] {
         auto s = plain(8, 8, 8);
         s.topDown = true;
         return buildBmp(s);
     },
     "in.bmp: a top-down BMP (negative height) is not supported; save the picture with its rows bottom-up, "
     "as Windows 3 BMP writers do\r\n"},
    {"256 tiles wide", [] { return buildBmp(plain(2048, 8, 1)); },
     "in.bmp: 2048 x 8 pixels cannot be converted; width and height must be 8 to 2040 pixels "
     "(1 to 255 tiles)\r\n"},
    {"zero height", [] { return buildBmp(plain(8, 0, 8)); },
     "in.bmp: 8 x 0 pixels cannot be converted; width and height must be 8 to 2040 pixels (1 to 255 "
     "tiles)\r\n"},
    {"negative width", withField(18, static_cast<std::uint32_t>(-8)),
     "in.bmp: -8 x 8 pixels cannot be converted; width and height must be 8 to 2040 pixels (1 to 255 "
     "tiles)\r\n"},
    {"pixel offset past the end", withField(10, 0x7FFFFFF0),
     "in.bmp: the pixel data offset 2147483632 does not lie between the bitmap header and the end of the "
     "file (126 bytes)\r\n"},
    {"pixel offset inside the header", withField(10, 20),
     "in.bmp: the pixel data offset 20 does not lie between the bitmap header and the end of the file "
     "(126 bytes)\r\n"},
    {"last row cut short",
     [] {
         auto b = buildBmp(plain(8, 8, 8));
         b.pop_back();
         return b;
     },
     "in.bmp: the file ends inside the pixel data (63 of 64 bytes present)\r\n"},
};

class BmpRejectTest : public ::testing::TestWithParam<RejectCase> {};

TEST_P(BmpRejectTest, NamesTheFault) {
    EXPECT_EQ(failureOf(GetParam().file()), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(Faults, BmpRejectTest, ::testing::ValuesIn(kRejects), [](const auto& info) {
    std::string name = info.param.name;
    for (char& c : name) {
        c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    }
    return name;
});

TEST(BmpImageTest, ReadsRowsFromTheTopSkippingThePadding) {
    // 8 x 8 at one bit: each stored row is 4 bytes, one of them pixels.
    BmpSpec s = plain(8, 8, 1);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            s.indices.push_back(x == y ? 1 : 0);
        }
    }
    const Bytes file = buildBmp(s);
    const BmpImage image = readBmp(file, "in.bmp");
    ASSERT_EQ(image.widthTiles(), 1);
    for (int y = 0; y < 8; ++y) {
        ASSERT_EQ(image.row(y).size(), 1u);
        EXPECT_EQ(image.row(y)[0], 0x80 >> y) << "row " << y;
    }
}

TEST(BmpImageTest, TakesTheLargestPicture) {
    const Bytes file = buildBmp(plain(2040, 2040, 1));
    EXPECT_EQ(readBmp(file, "in.bmp").heightTiles(), 255);
}

TEST(BmpImageTest, PaletteHoldsTheDeclaredEntriesThatFitBeforeThePixels) {
    struct Case {
        std::uint32_t coloursUsed;
        std::size_t written;
        std::optional<std::uint32_t> pixelOffset;
        std::size_t expected;
    };
    const Case cases[] = {
        {0, 256, std::nullopt, 256}, // 0 means all 256
        {3, 3, std::nullopt, 3},     // a short palette, as Pillow writes
        {300, 256, std::nullopt, 256},
        {0, 256, 54 + 4 * 10, 10}, // the pixel data starts after ten entries
        {0, 0, 54, 0},
    };
    for (const Case& c : cases) {
        BmpSpec s = plain(8, 8, 8);
        s.palette.assign(c.written, kWhite);
        s.coloursUsed = c.coloursUsed;
        s.pixelOffset = c.pixelOffset;
        s.indices.assign(64, 0);
        const Bytes file = buildBmp(s);
        if (c.expected == 0) {
            EXPECT_EQ(failureOf(file),
                      "in.bmp: pixel (0, 0) uses colour 0, but the palette has only 0 entries\r\n");
            continue;
        }
        EXPECT_EQ(readBmp(file, "in.bmp").palette().size(), c.expected) << c.coloursUsed << " " << c.written;
    }
}

TEST(BmpImageTest, RefusesAPixelWhoseColourIsNotInThePalette) {
    BmpSpec wide = plain(16, 8, 8);
    wide.palette = {kWhite, kBlack, kLight};
    wide.coloursUsed = 3;
    wide.indices.assign(128, 2);
    wide.indices[5 * 16 + 9] = 3;
    EXPECT_EQ(failureOf(buildBmp(wide)),
              "in.bmp: pixel (9, 5) uses colour 3, but the palette has only 3 entries\r\n");

    BmpSpec mono = plain(8, 8, 1);
    mono.palette = {kWhite};
    mono.coloursUsed = 1;
    mono.indices.assign(64, 0);
    EXPECT_EQ(failureOf(buildBmp(mono)), "(accepted)");
    mono.indices[7 * 8 + 7] = 1;
    EXPECT_EQ(failureOf(buildBmp(mono)),
              "in.bmp: pixel (7, 7) uses colour 1, but the palette has only 1 entry\r\n");
}

} // namespace
} // namespace imgpak::test

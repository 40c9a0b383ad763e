// imgpak run as a program: files in, bytes, messages and exit codes out.

#include "process_fixture.h"

namespace imgpak::test {
namespace {

const std::string kUsage =
    "Velda Image resource converter Version 1.11\r\nusage: imgpak [-p<pal>|-t<type>|-d<id>|-e] "
    "<bmp file(.bmp)> [res file(.vr)]\r\n       imgpak -c[format file] <bmp file(.bmp)> "
    "[output file(.h)]\r\n";

Bytes withShades(Bytes resource, std::array<std::uint8_t, 4> shades) {
    std::copy(shades.begin(), shades.end(), resource.begin() + 12);
    return resource;
}

const std::map<char, Rgb> kSpecColours{
    {'W', kWhite}, {'G', Rgb{0x80, 0x80, 0x80}}, {'B', kBlack}, {'M', kMagenta}};

Bytes oneTileBmp(const std::string& firstRow) {
    std::vector<std::string> rows(8, "WWWWWWWW");
    rows[0] = firstRow;
    return buildBmp(drawnPicture(rows, kSpecColours, "WGBM", 8));
}

// A 1 x 1 tile resource of levels: the head, then row 0 and seven equal rows.
Bytes oneTileResource(std::uint8_t format, std::array<std::uint8_t, 4> shades, std::uint16_t first,
                      std::uint16_t rest) {
    Bytes r{'V', 'R', 'B', 'M', 0x02, 0x00, 0x00, 0x00, 0x01, 0x01, format, 0x00};
    r.insert(r.end(), shades.begin(), shades.end());
    for (int row = 0; row < 8; ++row) {
        const std::uint16_t word = row == 0 ? first : rest;
        r.push_back(static_cast<std::uint8_t>(word));
        r.push_back(static_cast<std::uint8_t>(word >> 8));
    }
    return r;
}

struct ConvertCase {
    const char* name;
    Bytes bitmap;
    std::vector<std::string> options;
    Bytes expected;
    std::string report;
};

void PrintTo(const ConvertCase& c, std::ostream* os) {
    *os << c.name;
}

const std::vector<ConvertCase> kConversions{
    {"MonoBlackFirst", monoBmp("B."), {}, kMonoResource, "imgpak: pic.vr (2 x 1, mono, 32 bytes)\r\n"},
    {"MonoWhiteFirst", monoBmp(".B"), {}, kMonoResource, "imgpak: pic.vr (2 x 1, mono, 32 bytes)\r\n"},
    {"FourGreys", greyBmp(), {}, kGreyResource, "imgpak: pic.vr (2 x 1, 4colors, 48 bytes)\r\n"},
    {"ThreeColours", colourBmp(), {}, kColourResource, "imgpak: pic.vr (2 x 1, 3colors, 48 bytes)\r\n"},
    {"ShadeOverride",
     greyBmp(),
     {"-p3210"},
     withShades(kGreyResource, {0x00, 0x20, 0x40, 0x60}),
     "imgpak: pic.vr (2 x 1, 4colors, 48 bytes)\r\n"},
    {"ShadeDigitsModulo8",
     colourBmp(),
     {"-pFEDC9"},
     withShades(kColourResource, {0x20, 0x80, 0xA0, 0xC0}),
     "imgpak: pic.vr (2 x 1, 3colors, 48 bytes)\r\n"},
    {"ShadeZeroKeepsShades",
     greyBmp(),
     {"-p0"},
     kGreyResource,
     "imgpak: pic.vr (2 x 1, 4colors, 48 bytes)\r\n"},
    {"MonoShadeOverride",
     monoBmp(),
     {"-p1"},
     withShades(kMonoResource, {0x20, 0, 0, 0}),
     "imgpak: pic.vr (2 x 1, mono, 32 bytes)\r\n"},
    {"TypeAndId",
     monoBmp(),
     {"-tXY", "-d-2"},
     [] {
         Bytes r = kMonoResource;
         r[2] = 'X';
         r[3] = 'Y';
         r[6] = 0xFE;
         r[7] = 0xFF;
         return r;
     }(),
     "imgpak: pic.vr (2 x 1, mono, 32 bytes)\r\n"},
    {"EmptyType",
     monoBmp(),
     {"-t", "-d300"},
     [] {
         Bytes r = kMonoResource;
         r[2] = 0;
         r[3] = 0;
         r[6] = 0x2C;
         r[7] = 0x01;
         return r;
     }(),
     "imgpak: pic.vr (2 x 1, mono, 32 bytes)\r\n"},
    // White, grey 0x80 and black: levels 0, 1 and 3; with magenta 1, 2, 3 and 0.
    {"OneGrey",
     oneTileBmp("WGBWWWWW"),
     {},
     oneTileResource(1, {0, 0x7F, 0x7F, 0xFF}, 0x2060, 0x0000),
     "imgpak: pic.vr (1 x 1, 4colors, 32 bytes)\r\n"},
    {"OneGreyAndMagenta",
     oneTileBmp("WGBMWWWW"),
     {},
     oneTileResource(2, {0, 0, 0x7F, 0xFF}, 0x60AF, 0x00FF),
     "imgpak: pic.vr (1 x 1, 3colors, 32 bytes)\r\n"},
    {"NoGreys",
     oneTileBmp("BWWWWWWB"),
     {},
     oneTileResource(1, {0, 0xFF, 0, 0xFF}, 0x8181, 0x0000),
     "imgpak: pic.vr (1 x 1, 4colors, 32 bytes)\r\n"},
    {"NoGreysWithAColour",
     oneTileBmp("BWWWWWWM"),
     {},
     oneTileResource(2, {0, 0, 0, 0xFF}, 0x80FE, 0x00FF),
     "imgpak: pic.vr (1 x 1, 3colors, 32 bytes)\r\n"},
};

class ConvertTest : public ImgpakProcess, public ::testing::WithParamInterface<ConvertCase> {};

TEST_P(ConvertTest, WritesTheResource) {
    const ConvertCase& c = GetParam();
    write("pic.bmp", c.bitmap);
    std::vector<std::string> args = c.options;
    args.push_back("pic");
    const ProcessResult result = run(args);
    EXPECT_EQ(result.out, c.report);
    EXPECT_EQ(result.code, 0);
    EXPECT_EQ(read("pic.vr"), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Pictures, ConvertTest, ::testing::ValuesIn(kConversions),
                         [](const auto& info) { return std::string(info.param.name); });

using EntryTest = ImgpakProcess;

Bytes entryHeader(const std::string& name, const std::string& info, std::uint32_t size) {
    Bytes h{'#', '!', 'w', 's'};
    h.resize(64, 0xFF);
    Bytes nameField(16, 0), infoField(24, 0);
    std::copy(name.begin(), name.end(), nameField.begin());
    std::copy(info.begin(), info.end(), infoField.begin());
    h.insert(h.end(), nameField.begin(), nameField.end());
    h.insert(h.end(), infoField.begin(), infoField.end());
    const Bytes rest{0,
                     0,
                     0,
                     0, // reserved
                     static_cast<std::uint8_t>(size),
                     static_cast<std::uint8_t>(size >> 8),
                     0,
                     0,
                     static_cast<std::uint8_t>((size + 127) / 128),
                     0, // blocks
                     6,
                     0, // mode "wr"
                     0x00,
                     0x00,
                     0x21,
                     0x00, // 2000-01-01 00:00:00
                     0,
                     0,
                     0,
                     0, // appid
                     0,
                     0,
                     0,
                     0}; // resources at 0
    h.insert(h.end(), rest.begin(), rest.end());
    return h;
}

TEST_F(EntryTest, WrapsTheResourceUnderTheBitmapsName) {
    write("logo.bmp", greyBmp());
    const ProcessResult result = run({"-e", "logo.bmp"}, "SOURCE_DATE_EPOCH=946684800");
    // The count is of the bytes really written: the 128-byte header and the resource.
    EXPECT_EQ(result.out, "imgpak: logo.vx (2 x 1, 4colors, 176 bytes)\r\n");
    EXPECT_EQ(result.code, 0);
    Bytes expected = entryHeader("logo.bmp", "logo.bmp", 48);
    expected.insert(expected.end(), kGreyResource.begin(), kGreyResource.end());
    EXPECT_EQ(read("logo.vx"), expected);
}

TEST_F(EntryTest, CutsALongNameToTheFields) {
    write("a_rather_long_picture_name.bmp", monoBmp());
    const ProcessResult result =
        run({"-e", "-tIM", "a_rather_long_picture_name", "out"}, "SOURCE_DATE_EPOCH=946684800");
    EXPECT_EQ(result.out, "imgpak: out.vx (2 x 1, mono, 160 bytes)\r\n");
    Bytes expected = entryHeader("a_rather_long_pi", "a_rather_long_picture_na", 32);
    Bytes resource = kMonoResource;
    resource[2] = 'I';
    resource[3] = 'M';
    expected.insert(expected.end(), resource.begin(), resource.end());
    EXPECT_EQ(read("out.vx"), expected);
}

TEST_F(EntryTest, TakesTheNameByteForByte) {
    // UTF-8 "ロゴ画像ファイル.bmp": the 16-byte field ends inside the sixth character.
    const std::string name = "\xE3\x83\xAD\xE3\x82\xB4\xE7\x94\xBB\xE5\x83\x8F\xE3\x83\x95\xE3\x82\xA1"
                             "\xE3\x82\xA4\xE3\x83\xAB.bmp";
    write(name, monoBmp());
    const ProcessResult result = run({"-e", name}, "SOURCE_DATE_EPOCH=946684800");
    const std::string stem = name.substr(0, name.size() - 4);
    EXPECT_EQ(result.out, "imgpak: " + stem + ".vx (2 x 1, mono, 160 bytes)\r\n");
    const Bytes entry = read(stem + ".vx");
    ASSERT_EQ(entry.size(), 160u);
    EXPECT_EQ(std::string(entry.begin() + 64, entry.begin() + 80), name.substr(0, 16));
    EXPECT_EQ(std::string(entry.begin() + 80, entry.begin() + 104), name.substr(0, 24));
}

TEST_F(EntryTest, RefusesABadSourceDateEpoch) {
    write("logo.bmp", monoBmp());
    const ProcessResult result = run({"-e", "logo"}, "SOURCE_DATE_EPOCH=soon");
    EXPECT_EQ(result.out, "SOURCE_DATE_EPOCH is not a whole number of seconds: 'soon'\r\n");
    EXPECT_EQ(result.code, 1);
    EXPECT_FALSE(exists("logo.vx"));
}

class CHeaderTest : public ImgpakProcess {
  protected:
    const std::string m_frame = "/* %s %d %s %d %s %s */\r\n";
    std::string frame(const std::string& symbol, int w, int h, const std::string& type) const {
        return "/* " + symbol + " " + std::to_string(w) + " " + symbol + " " + std::to_string(h) + " " +
               type + " " + symbol + " */\r\n";
    }
};

const std::string kMonoLeft = "\t0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01, \r\n";
const std::string kMonoRight = "\t0x00, 0x80, 0xC0, 0xE0, 0xF0, 0xF8, 0xFC, 0xFE, \r\n";

TEST_F(CHeaderTest, NarrowPictureBreaksAfterTheSquareOfItsWidth) {
    // 2 tiles wide: an empty line after every 4 tiles, so after tile rows 2 and 4 of 5.
    std::vector<std::string> rows;
    for (int i = 0; i < 5; ++i) {
        rows.insert(rows.end(), kMonoRows.begin(), kMonoRows.end());
    }
    write("pic.bmp", buildBmp(drawnPicture(rows, kColours, ".B", 1)));
    writeText("fmt", m_frame);
    const ProcessResult result = run({"-cfmt", "pic.bmp"});
    const std::string pair = kMonoLeft + kMonoRight;
    const std::string expected =
        frame("pic", 2, 5, "char") + pair + pair + "\r\n" + pair + pair + "\r\n" + pair + "};\r\n";
    EXPECT_EQ(readText("pic.h"), expected);
    EXPECT_EQ(result.out, "imgpak: pic.h (2 x 5, mono, " + std::to_string(expected.size()) + " bytes)\r\n");
    EXPECT_EQ(result.code, 0);
}

TEST_F(CHeaderTest, OneTileWideBreaksAfterEveryRow) {
    std::vector<std::string> rows(16, "B.......");
    write("pic.bmp", buildBmp(drawnPicture(rows, kColours, "B.", 1)));
    writeText("fmt", m_frame);
    EXPECT_EQ(run({"-cfmt", "pic", "out"}).code, 0);
    const std::string tile = "\t0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, \r\n";
    EXPECT_EQ(readText("out.h"), frame("pic", 1, 2, "char") + tile + "\r\n" + tile + "\r\n};\r\n");
}

TEST_F(CHeaderTest, WidePictureBreaksAfterEveryTileRow) {
    // 5 tiles wide, 2 tile rows, 256 colours: words as 0x%04X.
    std::vector<std::string> rows(16, std::string(40, 'W'));
    rows[0] = "WLDBWWWW" + std::string(32, 'W');
    write("pic.bmp", buildBmp(drawnPicture(rows, kColours, "WLDB", 8)));
    writeText("fmt", m_frame);
    const ProcessResult result = run({"-cfmt", "pic"});
    const std::string blank = "\t0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, \r\n";
    const std::string first = "\t0x3050, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, \r\n";
    const std::string expected = frame("pic", 5, 2, "short") + first + blank + blank + blank + blank +
                                 "\r\n" + blank + blank + blank + blank + blank + "\r\n};\r\n";
    EXPECT_EQ(readText("pic.h"), expected);
    EXPECT_EQ(result.out,
              "imgpak: pic.h (5 x 2, 4colors, " + std::to_string(expected.size()) + " bytes)\r\n");
}

TEST_F(CHeaderTest, DefaultFormatFileLiesBesideTheProgram) {
    write("logo.bmp", colourBmp());
    const ProcessResult result = run({"-c", "logo"});
    EXPECT_EQ(result.code, 0) << result.out;
    const std::string text = readText("logo.h");
    const std::string start =
        "#define logo_WIDTH 2\r\n#define logo_HEIGHT 1\r\n\r\nconst unsigned short logo[] = {\r\n\t0x709F, ";
    EXPECT_EQ(text.substr(0, start.size()), start);
    EXPECT_EQ(text.substr(text.size() - 6), "\r\n};\r\n");
}

TEST_F(CHeaderTest, DefaultFormatMakesAHeaderACompilerTakes) {
    write("logo.bmp", colourBmp());
    ASSERT_EQ(run({"-c", "logo"}).code, 0);
    writeText("check.c", "#include \"logo.h\"\n"
                         "_Static_assert(logo_WIDTH == 2 && logo_HEIGHT == 1, \"size\");\n"
                         "_Static_assert(sizeof logo == 2 * 8 * sizeof(unsigned short), \"tiles\");\n");
    const std::string command =
        std::string(IMGPAK_C_COMPILER) + " -fsyntax-only -Wall -Werror " + path("check.c").string();
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
}

TEST_F(CHeaderTest, FormatFileUnderItsOwnNameComesFirst) {
    write("logo.bmp", monoBmp());
    writeText("format", "%s\r\n");
    EXPECT_EQ(run({"-c", "logo"}).code, 0);
    EXPECT_EQ(readText("logo.h"), "logo\r\n" + kMonoLeft + kMonoRight + "};\r\n");
}

struct FailureCase {
    const char* name;
    std::vector<std::string> args;
    std::string out;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.name;
}

const std::string kPlaceholderHint =
    "; a format file takes up to six placeholders, %s %d %s %d %s %s (name, "
    "width in tiles, name, height in tiles, element type, name) in this order, "
    "and %% for a percent sign\r\n";

// Every case runs in a folder holding "pic.vr" (which must survive), mono.bmp,
// wide.bmp (12 x 8), deep.bmp (24 bits), junk.bmp and the format files bad.fmt
// and many.fmt.
const std::vector<FailureCase> kFailures{
    {"NoArguments", {}, kUsage},
    {"OnlyOptions", {"-e", "-p12"}, kUsage},
    {"UnknownOption", {"-x", "mono"}, kUsage},
    {"LoneDash", {"-", "mono"}, kUsage},
    {"ThreeFiles", {"mono", "pic.vr", "more"}, kUsage},
    {"MissingBitmap", {"nothere", "pic.vr"}, "cannot open 'nothere.bmp'\n"},
    {"FolderAsBitmap", {".", "pic.vr"}, "cannot open '.'\n"},
    {"NotABitmap", {"junk.bmp", "pic.vr"}, "junk.bmp is not BMP file\r\n"},
    {"WidthNotMultipleOf8", {"wide", "pic.vr"}, "width and height must be a multiple of 8\r\n"},
    {"TwentyFourBits", {"deep", "pic.vr"}, "accept only mono or 256 color format\r\n"},
    {"OutputFolderMissing", {"mono", "no/such/pic"}, "cannot open 'no/such/pic.vr'\n"},
    {"MissingFormatFile", {"-cnothere", "mono", "pic.vr"}, "cannot open 'nothere'\n"},
    {"BadFormatFile",
     {"-cbad.fmt", "mono", "pic.vr"},
     "bad.fmt: placeholder 2 \"%x\" is not accepted" + kPlaceholderHint},
    {"FormatBeforeBitmap",
     {"-cbad.fmt", "nothere", "pic.vr"},
     "bad.fmt: placeholder 2 \"%x\" is not accepted" + kPlaceholderHint},
    {"TooManyPlaceholders",
     {"-cmany.fmt", "mono", "pic.vr"},
     "many.fmt: placeholder 7 \"%s\" is one too many" + kPlaceholderHint},
    {"LongPath",
     {"mono", std::string(256, 'o') + ".vr"},
     std::string(256, 'o') + ".vr: the path is longer than 255 characters\r\n"},
};

class FailureTest : public ImgpakProcess, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(FailureTest, PrintsTheMessageAndLeavesTheOutput) {
    const Bytes old{'o', 'l', 'd'};
    write("pic.vr", old);
    write("mono.bmp", monoBmp());
    BmpSpec wide;
    wide.width = 12;
    wide.palette = {kWhite};
    write("wide.bmp", buildBmp(wide));
    BmpSpec deep;
    deep.bits = 24;
    write("deep.bmp", buildBmp(deep));
    writeText("junk.bmp", "GIF89a");
    writeText("bad.fmt", "%s %x");
    writeText("many.fmt", "%s%d%s%d%s%s%s");

    const ProcessResult result = run(GetParam().args);
    EXPECT_EQ(result.out, GetParam().out);
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(read("pic.vr"), old);
    EXPECT_FALSE(exists("mono.vr"));
}

INSTANTIATE_TEST_SUITE_P(Messages, FailureTest, ::testing::ValuesIn(kFailures),
                         [](const auto& info) { return std::string(info.param.name); });

using TextTest = ImgpakProcess;

TEST_F(TextTest, HelpAndVersion) {
    const ProcessResult help = run({"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_EQ(help.out.substr(0, kUsage.size()), kUsage);
    EXPECT_NE(help.out.find("2040 pixels"), std::string::npos);
    const ProcessResult version = run({"--version"});
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.out, "Velda Image resource converter Version 1.11\r\n");
}

TEST_F(TextTest, ReplacesAnExistingOutputWhole) {
    write("pic.bmp", monoBmp());
    write("pic.vr", Bytes(1000, 0xAA));
    EXPECT_EQ(run({"pic"}).code, 0);
    EXPECT_EQ(read("pic.vr"), kMonoResource);
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(path(""))) {
        ++files;
    }
    EXPECT_EQ(files, 2); // no temporary file left behind
}

} // namespace
} // namespace imgpak::test

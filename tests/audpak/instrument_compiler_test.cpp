#include "tools/audpak/instrument_compiler.h"

#include "byte_builder.h"
#include "string_listing.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace audpak {
namespace {

using test::ByteBuilder;

struct Compiled {
    std::vector<std::uint8_t> bytes; // from offset 8 on
    std::string listing;
};

Compiled compile(const std::string& text) {
    auto out = std::make_unique<ResultBuffer>();
    test::StringListing listing;
    const std::size_t length = compileInstruments(Source{text}, *out, &listing, 0);
    return {std::vector<std::uint8_t>(out->data() + 8, out->data() + length), listing.text()};
}

// The head from offset 8: offset and count of waves, envelopes, vibratos,
// drums and instruments, then 0 and the number of names.
ByteBuilder head(std::initializer_list<int> offsetsAndCounts, int names = 0) {
    ByteBuilder bytes;
    bytes.w(offsetsAndCounts).w({0, names});
    return bytes;
}

std::string failure(const std::string& text) {
    auto out = std::make_unique<ResultBuffer>();
    try {
        compileInstruments(Source{text}, *out, nullptr, 0);
    } catch (const ConvertError& error) {
        return error.what();
    }
    return "no failure";
}

struct BytesCase {
    const char* name;
    std::string text;
    std::vector<std::uint8_t> expected;
};

TEST(InstrumentCompiler, CompilesSectionsByteForByte) {
    const std::vector<BytesCase> cases = {
        {"vibrato and envelope loops", "@V0\n1 2 [ 3 4 ]\n@E0\n$0F0 [ $0A0 ] $050\n",
         head({0, 0, 0x2A, 1, 0x20, 1, 0, 0, 0, 0})
             .w({0x22})
             .b({1, 2, 3, 4})
             .w({0, 0x24})
             .w({0x2E, 0x36})
             .w({0xF0, 0xA0, 0, 0x30, 0x50})
             .bytes()},
        {"drum word and bytes", "@D0 1,100,20\n",
         head({0, 0, 0, 0, 0, 0, 0x20, 1, 0, 0}).w({0x22, 0x2064}).b({20}).bytes()},
        {"drum line with one value stores nothing", "@D0 5\n@D1 1 2\n",
         head({0, 0, 0, 0, 0, 0, 0x20, 2, 0, 0}).w({0x24, 0x24, 0x2002}).bytes()},
        {"wave with commas keeps only the first value", "@W0 1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16\n",
         head({0x20, 1, 0, 0, 0, 0, 0, 0, 0, 0}).b({1}).zeros(15).bytes()},
        {"wave over several lines", "@W0 1 2 3 4\n5 6 7 8\r\n9 10 11 12\n13 14 15 16 17\n",
         head({0x20, 1, 0, 0, 0, 0, 0, 0, 0, 0})
             .b({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16})
             .bytes()},
        {"@V in a comment is counted", "; uses @V later\n@P0 1 2\n",
         head({0, 0, 0, 0, 0, 1, 0, 0, 0x20, 1}).b({1, 2, 0}).bytes()},
        {"letters in lower case, number after the letter", "@v3 1 2\n@p7 3\n",
         head({0, 0, 0, 0, 0x20, 1, 0, 0, 0x24, 1}).w({0x22}).b({1, 2, 3, 0}).bytes()},
        {"items on the next line after a blank or comment rest", "@P0 ; piano\n 5 6\n@P1\r\n7\r\n",
         head({0, 0, 0, 0, 0, 0, 0, 0, 0x20, 2}).b({5, 6, 0, 7, 0}).bytes()},
        {"a line ends at @ and at ;", "@P0 1 2 @P1 3 ; 4\n5\n",
         head({0, 0, 0, 0, 0, 0, 0, 0, 0x20, 2}).b({1, 2, 0, 3, 0}).bytes()},
        {"numbers kept to 16 bits, bytes to 8", "@P0 $1FF -1 70000 $12345 $ -\n",
         head({0, 0, 0, 0, 0, 0, 0, 0, 0x20, 1}).b({0xFF, 0xFF, 0x70, 0x45, 0}).bytes()},
        {"envelope skips decimals and comments up to the next @", "@E0 10 $10 ; $20\n $30 @P0 1\n",
         head({0, 0, 0x20, 1, 0, 0, 0, 0, 0x28, 1}).w({0x24, 0, 0x10, 0x30}).b({1, 0}).bytes()},
        {"loop point carries into a later section", "@V0 [ 1 ]\n@V1 2 ]\n",
         head({0, 0, 0, 0, 0x20, 2, 0, 0, 0, 0})
             .w({0x24, 0x29})
             .b({1})
             .w({0, 0x24})
             .b({2})
             .w({0, 0x24})
             .bytes()},
        {"/ ends the text, later sections still counted", "@P0 1\n/\n@P1 2\n",
         head({0, 0, 0, 0, 0, 0, 0, 0, 0x20, 2}).b({1, 0}).bytes()},
        {"0x1A ends the text", "@P0 1\n\x1a@P1 2\n",
         head({0, 0, 0, 0, 0, 0, 0, 0, 0x20, 2}).b({1, 0}).bytes()},
        {"a zero byte ends the text", std::string("@P0 1\n\0@P1 2\n", 13),
         head({0, 0, 0, 0, 0, 0, 0, 0, 0x20, 1}).b({1, 0}).bytes()},
        {"other letters after @ start nothing", "@X 5 @Q @P0 1\n",
         head({0, 0, 0, 0, 0, 0, 0, 0, 0x20, 1}).b({1, 0}).bytes()},
        {"names are counted only", "@N0 lead 1 2\n@N1\n", head({0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 2).bytes()},
        {"empty text", "", head({0, 0, 0, 0, 0, 0, 0, 0, 0, 0}).bytes()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(compile(c.text).bytes, c.expected);
    }
}

TEST(InstrumentCompiler, ListsEverySectionKind) {
    const std::string text = "; bank\n"
                             "@W0 0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 $FF\n"
                             "@E0 $7F00 [ $100 ] $80\n"
                             "@V0 1 [ -2 ]\n"
                             "@D0 2,300,7\n"
                             "@P0 1,2\n"
                             "@P1 3\n"
                             "@N0 lead\n";
    const Compiled compiled = compile(text);
    EXPECT_EQ(compiled.listing,
              "\tINCLUDE\tSEQDEF.INC\r\n\r\n\tDB\t'VRSI'\r\n\tDW\tseg END_DATA\r\n\tDW\t0\r\n\r\n"
              "\tDW\tWAV_TBL, 1\r\n\tDW\tENV_TBL, 1\r\n\tDW\tVIB_TBL, 1\r\n"
              "\tDW\tDRUM_TBL, 1\r\n\tDW\tINST_TBL, 2\r\n\tDW\tNAME_TBL, 1\r\n"
              "\r\nWAV_TBL:\r\n"
              "\tDB\t000h,001h,002h,003h,004h,005h,006h,007h,008h,009h,00Ah,00Bh,00Ch,00Dh,00Eh,0FFh\r\n\r\n"
              "\r\nENV_TBL:\r\n\tDW\tENV_0,ENV_REL_0\r\n"
              "ENV_0:\r\n\tDW\t07F00h\r\nENV_0_l:\r\n\tDW\t00100h\r\n\tDW\t0,ENV_0_l\r\nENV_REL_0:\r\n"
              "\tDW\t00080h\r\n"
              "\r\nVIB_TBL:\r\n\tDW\tVIB_0\r\n"
              "VIB_0:\r\n\tDB\t1\r\nVIB_0_l:\r\n\tDB\t-2\r\n\tDW\t0,VIB_0_l\r\n"
              "\r\nDRUM_TBL:\r\n\tDW\tDRUM_0\r\n"
              "DRUM_0:\r\n\tDW\t0412Ch\r\n\tDB\t7\r\n"
              "\r\nINST_TBL:\r\n\tDB\t1,2,0\r\n\tDB\t3,0\r\n"
              "\r\n\tENDDATA\r\n\tEND\r\n");
    EXPECT_EQ(compiled.bytes, head({0x20, 1, 0x30, 1, 0x3E, 1, 0x46, 1, 0x4B, 2}, 1)
                                  .b({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 0xFF})
                                  .w({0x34, 0x3C, 0x7F00, 0x100, 0, 0x36, 0x80})
                                  .w({0x40})
                                  .b({1, 0xFE})
                                  .w({0, 0x41})
                                  .w({0x48, 0x412C})
                                  .b({7, 1, 2, 0, 3, 0})
                                  .bytes());
}

TEST(InstrumentCompiler, ListsCountsOfTwoDigitsAndAbsentKinds) {
    std::string text;
    for (int i = 0; i < 12; ++i) {
        text += "@P 1\n";
    }
    const std::string listing = compile(text).listing;
    EXPECT_NE(listing.find("\tDW\t0, 0\r\n\tDW\t0, 0\r\n\tDW\t0, 0\r\n\tDW\t0, 0\r\n\tDW\tINST_TBL,12\r\n"
                           "\tDW\t0, 0\r\n"),
              std::string::npos)
        << listing;
}

TEST(InstrumentCompiler, LoopEndWithoutLoopPointFails) {
    EXPECT_EQ(failure("@V0 1 ]\n"), "']' without '[' in line 1\r\n");
    EXPECT_EQ(failure("; vibrato\n@E0\n$10\n]\n"), "']' without '[' in line 4\r\n");
    // A vibrato's "[" does not serve an envelope's "]".
    EXPECT_EQ(failure("@V0 [ 1 ]\n@E0 $1 ]\n"), "']' without '[' in line 2\r\n");
}

TEST(InstrumentCompiler, SetFillsTheBufferExactlyButNotBeyond) {
    std::string waves;
    for (int i = 0; i < 4093; ++i) {
        waves += "@W 1\n"; // 32 + 4093 * 16 = 65520 bytes
    }
    const std::string thirteen = "@P 1 2 3 4 5 6 7 8 9 10 11 12 13\n";
    auto out = std::make_unique<ResultBuffer>();
    EXPECT_EQ(compileInstruments(Source{waves + thirteen}, *out, nullptr, 0), 65534u);
    EXPECT_EQ(failure(waves + "@P 1 2 3 4 5 6 7 8 9 10 11 12 13 14\n"),
              "resource too large: more than 65534 bytes\r\n");
}

TEST(InstrumentCompiler, ManySections) {
    std::string instruments;
    std::string envelopes;
    for (int i = 0; i < 10000; ++i) {
        instruments += "@P 1\n";
        envelopes += "@E $1\n"; // a 40000-byte table and 20000 bytes of data
    }
    const auto bytes = compile(instruments).bytes;
    ASSERT_EQ(bytes.size(), 24u + 20000u);
    EXPECT_EQ(bytes[18] | bytes[19] << 8, 10000);
    EXPECT_EQ(failure(envelopes + envelopes), "resource too large: more than 65534 bytes\r\n");

    std::string names;
    for (int i = 0; i < 65536; ++i) {
        names += "@N";
    }
    EXPECT_EQ(failure(names), "too many sections: more than 65535 of one kind\r\n");
}

} // namespace
} // namespace audpak

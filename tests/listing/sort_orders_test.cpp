#include "ferrymate/listing/name_collator.h"
#include "ferrymate/listing/sort_orders.h"
#include "ferrymate/platform/text_codec.h"
#include "listing_fixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace pf {
namespace {

using Names = std::vector<std::string>;

TEST(SortByName, FoldersFirstThenNamesIgnoringCase) {
    FixedListing listing({file("a.txt"), folder("b"), file("Beta.txt"), folder("A"), file("ALPHA2.txt"),
                          folder(".."), file("alpha.txt")},
                         0);
    listing.SortByName();
    EXPECT_EQ(namesOf(listing), (Names{"..", "A", "b", "a.txt", "alpha.txt", "ALPHA2.txt", "Beta.txt"}));
}

TEST(SortBySize, ParentFirstThenFoldersThenFilesSmallestUp) {
    FixedListing listing({file("big", 900), folder("sub"), file("negative", -5), folder(".."),
                          file("zero", 0), file("mid", 40)},
                         0);
    listing.SortBySize();
    EXPECT_EQ(namesOf(listing), (Names{"..", "sub", "negative", "zero", "mid", "big"}));
}

TEST(SortByDate, ParentFirstThenFoldersByDateThenFilesOldestFirst) {
    FixedListing listing({file("new", 0, "2024-05-01 10:00:00"), folder("later", "2023-01-01 00:00:00"),
                          file("old", 0, "1999-12-31 23:59:59"), folder("..", "2030-01-01 00:00:00"),
                          folder("early", "2001-01-01 00:00:00"), file("prefix", 0, "2024-05-01")},
                         0);
    listing.SortByDate();
    EXPECT_EQ(namesOf(listing), (Names{"..", "early", "later", "old", "prefix", "new"}));
}

TEST(SortByDate, BytesCompareUnsigned) {
    FixedListing listing({file("high", 0, "\xE3"), file("low", 0, "z")}, 0);
    listing.SortByDate();
    EXPECT_EQ(namesOf(listing), (Names{"low", "high"}));
}

TEST(Sort, EmptyAndSingleListingsUnchanged) {
    for (auto sort :
         {&FileListVector::SortByName, &FileListVector::SortBySize, &FileListVector::SortByDate}) {
        FixedListing empty({}, 0);
        std::invoke(sort, empty);
        EXPECT_TRUE(empty.empty());
        FixedListing single({file("only", 3, "d")}, 0);
        std::invoke(sort, single);
        EXPECT_EQ(single[0], file("only", 3, "d"));
    }
}

// Every order must be strict (never x before x, never both x before y and
// y before x), or the sort's result is undefined. ".." against itself is the
// case that a plain "x is '..' comes first" rule gets wrong.
TEST(Sort, OrdersAreStrict) {
    const std::vector<FileInfo> records = {folder(".."),      folder(".."),      folder("a", "1"),
                                           folder("b", "2"),  file("..", 0),     file("x", 5, "1"),
                                           file("y", 5, "1"), file("z", -1, "3")};
    const std::vector<std::function<bool(const FileInfo&, const FileInfo&)>> orders = {
        [](const FileInfo& x, const FileInfo& y) { return comesBeforeByName(x, y, x.name.compare(y.name)); },
        comesBeforeBySize, comesBeforeByDate};
    for (const auto& before : orders)
        for (const FileInfo& x : records)
            for (const FileInfo& y : records)
                EXPECT_FALSE(before(x, y) && before(y, x)) << x.name << " / " << y.name;
}

TEST(Sort, ManyParentFoldersStayInRange) {
    FixedListing listing({}, 0);
    for (int i = 0; i < 200; ++i)
        listing.push_back(i % 3 == 0 ? folder("..", "d") : file("f" + std::to_string(i), i % 7, "d"));
    listing.SortBySize();
    listing.SortByDate();
    EXPECT_EQ(listing.size(), 200u);
    EXPECT_EQ(listing.front().name, "..");
}

// Cartridge names are Shift-JIS bytes; they must sort as the same names in
// UTF-8 do, not by their bytes.
TEST(SortByName, CartridgeNamesSortByMeaning) {
    const Names utf8 = {"ｂ", "ア", "z", "Ａ", "あ"};
    FixedListing pc({}, 0);
    FixedListing cartridge({}, 0, NameEncoding::Cp932);
    for (const std::string& name : utf8) {
        pc.push_back(file(name));
        cartridge.push_back(file(utf8ToCp932(name).value()));
    }
    pc.SortByName();
    cartridge.SortByName();
    Names decoded;
    for (const FileInfo& record : cartridge)
        decoded.push_back(cp932ToUtf8(record.name));
    EXPECT_EQ(decoded, namesOf(pc));
    EXPECT_EQ(namesOf(pc), (Names{"z", "あ", "ア", "Ａ", "ｂ"}));
}

TEST(NameCollator, IgnoresCaseBeyondAscii) {
    const NameCollator collator(std::locale("C.UTF-8"));
    EXPECT_EQ(collator.compare("README", "readme", NameEncoding::Utf8), 0);
    EXPECT_EQ(collator.compare("ＡＢＣ", "ａｂｃ", NameEncoding::Utf8), 0);
    EXPECT_EQ(collator.compare("Ärger", "ärger", NameEncoding::Utf8), 0);
    EXPECT_LT(collator.compare("a", "B", NameEncoding::Utf8), 0);
    EXPECT_EQ(collator.compare("\x82\x60", "\x82\x81", NameEncoding::Cp932), 0); // Ａ and ａ
}

TEST(NameCollator, InvalidBytesStillGetKeys) {
    const NameCollator collator(std::locale("C.UTF-8"));
    EXPECT_FALSE(collator.sortKey("bad\xFF\xC0name", NameEncoding::Utf8).empty());
    EXPECT_LT(collator.compare("a\xFF", "b", NameEncoding::Utf8), 0);
    EXPECT_FALSE(collator.sortKey("\x82", NameEncoding::Cp932).empty());
}

TEST(NameCollator, UserDefaultFallsBackToUtf8) {
    // The tests run with LC_ALL=C.UTF-8; a plain "C" would become it too.
    EXPECT_NE(NameCollator::userDefault().localeName(), "C");
}

} // namespace
} // namespace pf

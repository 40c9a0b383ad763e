#include "tools/audpak/listing_file.h"
#include "tools/audpak/listing_frame.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

#include <string>

namespace audpak {
namespace {

using test::readFile;
using test::TempFolder;

TEST(ListingFile, LinesGetCrLfEvenWhenTheyEndInOne) {
    TempFolder folder;
    ListingFile listing(folder / "x.asm");
    ASSERT_TRUE(listing.open());
    listing.line("a");
    listing.raw("\tDB\t1,");
    listing.line("0");
    listing.line("b\r\n");
    EXPECT_EQ(listing.position(), 17u);
    listing.save();
    EXPECT_EQ(readFile(folder / "x.asm"), "a\r\n\tDB\t1,0\r\nb\r\n\r\n");
}

TEST(ListingFile, RewritesTheStartAfterLargeOutput) {
    TempFolder folder;
    ListingFile listing(folder / "x.asm");
    ASSERT_TRUE(listing.open());
    writeListingFrame(listing, "MD");
    const std::uint64_t afterFrame = listing.position();
    listing.line("COUNT 00");
    const std::string filler(1000, 'z');
    for (int i = 0; i < 200; ++i) { // well past the in-memory part
        listing.line(filler);
    }
    listing.line("TAIL 00");
    const std::uint64_t tail = listing.position() - 9;
    listing.rewrite(afterFrame, "COUNT 42");
    listing.rewrite(tail, "TAIL 17");
    listing.line("end");
    writeListingEnd(listing);
    listing.save();

    const std::string text = readFile(folder / "x.asm");
    const std::string frame =
        "\tINCLUDE\tSEQDEF.INC\r\n\r\n\tDB\t'VRMD'\r\n\tDW\tseg END_DATA\r\n\tDW\t0\r\n\r\n";
    EXPECT_EQ(text.substr(0, frame.size() + 10), frame + "COUNT 42\r\n");
    EXPECT_TRUE(text.ends_with("\r\nTAIL 17\r\nend\r\n\r\n\tENDDATA\r\n\tEND\r\n"));
    EXPECT_EQ(text.size(), frame.size() + 10 + 200 * 1002 + 9 + 5 + 18);
}

TEST(ListingFile, UnsavedListingLeavesTheOldFileAndNoTrace) {
    TempFolder folder;
    test::writeFile(folder / "x.asm", "old");
    {
        ListingFile listing(folder / "x.asm");
        ASSERT_TRUE(listing.open());
        listing.line(std::string(100000, 'n'));
    }
    EXPECT_EQ(readFile(folder / "x.asm"), "old");
    EXPECT_EQ(test::folderNames(folder.path()), "x.asm ");
}

TEST(ListingFile, CannotOpenInAMissingFolderOrOverAFolder) {
    TempFolder folder;
    EXPECT_FALSE(ListingFile(folder / "missing/x.asm").open());
    std::filesystem::create_directory(folder / "d.asm");
    EXPECT_FALSE(ListingFile(folder / "d.asm").open());
}

} // namespace
} // namespace audpak

#include "entry_bytes.h"
#include "tools/hdrgen/entry_record_reader.h"
#include "tools/hdrgen/resource_walk.h"
#include "tools/hdrgen/split_names.h"

#include <gtest/gtest.h>

#include <sstream>

namespace hdrgen {
namespace {

using namespace test;

struct Row {
    std::uint64_t offset;
    std::uint64_t length;
    std::string label; // "" for data without a resource header
    bool operator==(const Row&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Row& r) {
    return os << r.offset << "/" << r.length << "/" << r.label;
}

std::vector<Row> walk(const Bytes& entry) {
    MemorySource source(entry);
    std::ostringstream messages;
    const auto record = readEntryRecord(source, "e.vx", messages);
    EXPECT_TRUE(record) << messages.str();
    std::vector<Row> rows;
    for (const WalkedPart& p : walkResources(source, *record)) {
        rows.push_back({p.offset, p.length, p.header ? resourceLabel(*p.header) : ""});
    }
    return rows;
}

TEST(ResourceWalk, NothingWithoutResourcesOrWhenTheyAreEmpty) {
    EXPECT_TRUE(walk(entryHeader({.size = 4}) + zeros(4)).empty());
    EXPECT_TRUE(walk(entryHeader({.size = 16, .resourceOffset = 16}) + resource("MD", 16, 0)).empty());
}

TEST(ResourceWalk, ResourcesAfterCodeAndAnUnknownTail) {
    const Bytes data =
        zeros(16) + resource("MD", 32, 3) + resource("IM", 16, -2) + bytesOf("tail data.......");
    const auto rows = walk(entryHeader({.size = 80, .resourceOffset = 16}) + data);
    EXPECT_EQ(rows, (std::vector<Row>{{16, 32, "VRMD"}, {48, 16, "VRIM"}, {64, 16, ""}}));
}

TEST(ResourceWalk, LastResourceMayReachPastTheSize) {
    // An unpadded 20-byte resource declares 32 bytes; the file ends first.
    EXPECT_EQ(walk(entryHeader({.size = 20, .resourceOffset = 0}) + resource("MD", 20, 0)),
              (std::vector<Row>{{0, 32, "VRMD"}}));
}

TEST(ResourceWalk, GoesOnPastTheSizeWhileResourcesFollow) {
    const Bytes entry = entryHeader({.size = 16, .resourceOffset = 0}) + resource("AA", 16, 1) +
                        resource("BB", 16, 2) + bytesOf("XMODEM padding..");
    EXPECT_EQ(walk(entry), (std::vector<Row>{{0, 16, "VRAA"}, {16, 16, "VRBB"}}));
}

TEST(ResourceWalk, ZeroLengthHeaderRunsToTheSizeInsteadOfStalling) {
    const Bytes entry = entryHeader({.size = 48, .resourceOffset = 0}) + resource("AA", 16, 1) +
                        resource("BB", 32, 2, 0x11, 0) + Bytes(100, 0x1A);
    EXPECT_EQ(walk(entry), (std::vector<Row>{{0, 16, "VRAA"}, {16, 32, ""}}));
    const Bytes atSize = entryHeader({.size = 16, .resourceOffset = 0}) + resource("AA", 16, 1) +
                         resource("BB", 16, 2, 0x11, 0);
    EXPECT_EQ(walk(atSize), (std::vector<Row>{{0, 16, "VRAA"}}));
}

TEST(ResourceWalk, AbsurdLengthEndsAtTheEndOfTheFile) {
    const Bytes entry = entryHeader({.size = 16, .resourceOffset = 0}) + resource("ZZ", 16, 0, 0, 0xFFFE);
    EXPECT_EQ(walk(entry), (std::vector<Row>{{0, 0xFFFEu * 16, "VRZZ"}}));
}

TEST(ResourceWalk, LabelStopsAtAZeroTypeByte) {
    const Bytes entry =
        entryHeader({.size = 16, .resourceOffset = 0}) + resource(std::string("M\0", 2), 16, 0);
    EXPECT_EQ(walk(entry), (std::vector<Row>{{0, 16, "VRM"}}));
}

struct RecordCase {
    Bytes bytes;
    std::string message;
};

class BadRecords : public ::testing::TestWithParam<RecordCase> {};

TEST_P(BadRecords, AreRefusedWithAMessage) {
    MemorySource source(GetParam().bytes);
    std::ostringstream out;
    EXPECT_FALSE(readEntryRecord(source, "e.vx", out));
    EXPECT_EQ(out.str(), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Headers, BadRecords,
    ::testing::Values(RecordCase{{}, "header not found\r\n"},
                      RecordCase{prefix(entryHeader({}), 127), "header not found\r\n"},
                      RecordCase{bytesOf("#!wx") + zeros(124), "header not found\r\n"},
                      RecordCase{entryHeader({.size = 16, .resourceOffset = 17}) + zeros(16),
                                 "'e.vx': resources said to start at 17, outside the 16 data bytes\r\n"},
                      RecordCase{entryHeader({.size = 16, .resourceOffset = -2}) + zeros(16),
                                 "'e.vx': resources said to start at -2, outside the 16 data bytes\r\n"}));

TEST(SplitNames, FollowTheEntryNameAndNeverRepeat) {
    SplitNames names("dir.d/song.vx");
    EXPECT_EQ(names.code(), "dir.d/song.bin");
    EXPECT_EQ(names.resource({{'M', 'D'}, 2, 0}), "dir.d/song_MD0.vr");
    EXPECT_EQ(names.resource({{'M', 'D'}, 2, 0}), "dir.d/song_MD0-2.vr");
    EXPECT_EQ(names.resource({{'I', 'M'}, 1, -3}), "dir.d/song_IM-3.vr");
    EXPECT_EQ(names.unknown(), "dir.d/song.vr");
    EXPECT_EQ(names.resource({{'/', '\n'}, 1, 1}), "dir.d/song___1.vr");
}

TEST(SplitNames, NeverNameTheEntryItself) {
    SplitNames names("./parts.vr");
    EXPECT_EQ(names.unknown(), "./parts-2.vr");
    EXPECT_EQ(names.code(), "./parts.bin");
    EXPECT_EQ(SplitNames("./song").code(), "./song.bin");
}

} // namespace
} // namespace hdrgen

#include "ferrymate/link/comm_port.h"
#include "ferrymate/link/exceptions.h"
#include "ferrymate/link/link_clock.h"
#include "ferrymate/listing/remote_file_list_vector.h"
#include "listing_fixture.h"
#include "scripted_peer.h"

#include <gtest/gtest.h>

namespace pf {
namespace {

using test::Reply;
using test::ScriptedPeer;
using Names = std::vector<std::string>;

const Reply kListing = {"ls -l /ram0",
                        "125 STARTING",
                        "Name             Mode        Size Date     Time   Description",
                        fileLine("GAME", "-wr----- 4096 24-05-01 10:00", "\x83\x51\x81\x5B\x83\x80"),
                        fileLine("save.dat", "-wr----- 130 24-05-02 11:30", ""),
                        "2 files, 35 blocks used, 989 blocks free",
                        "200 OK"};
const Reply kDf = {"Filesystem      Bytes       Used  Available Use% Mounted on",
                   "rom0       393216          0     393216   0% /rom0",
                   "ram0       131072       4480     126592   4% /ram0", "200 OK"};

class RemoteListing : public testing::Test {
  protected:
    // Reads /ram0 through a fresh port on the peer.
    void read(ScriptedPeer& peer) {
        TCommPort port(CommPortSettings{38400, peer.devicePath()});
        m_listing.SetPort(&port);
        try {
            m_listing.Read("/ram0");
        } catch (...) {
            m_listing.SetPort(nullptr);
            throw;
        }
        m_listing.SetPort(nullptr);
    }

    // A first good read, so that the free space has a value to keep.
    void readGood() {
        ScriptedPeer peer({kListing, kDf});
        read(peer);
        ASSERT_EQ(m_listing.FreeSpace(), 126592u);
    }

    RemoteFileListVector m_listing;
};

TEST_F(RemoteListing, ReadsRecordsAndFreeSpace) {
    ScriptedPeer peer({kListing, kDf});
    read(peer);
    EXPECT_EQ(peer.commands(), (Names{"ls -l /ram0", "df"}));
    ASSERT_EQ(m_listing.size(), 2u);
    EXPECT_EQ(m_listing[0],
              (FileInfo{"24-05-01 10:00", 4096, "GAME", "-wr-----", "\x83\x51\x81\x5B\x83\x80", 0}));
    EXPECT_EQ(m_listing[1], (FileInfo{"24-05-02 11:30", 130, "save.dat", "-wr-----", "", 0}));
    EXPECT_EQ(m_listing.FreeSpace(), 126592u);
}

TEST_F(RemoteListing, ReplyWithoutStartingIsAnErrorAndEmpty) {
    readGood();
    ScriptedPeer peer({{"ls -l /ram0", fileLine("GAME", "x 1 d t", ""), "closing", "200 OK"}, kDf});
    try {
        read(peer);
        FAIL() << "no exception";
    } catch (const RemoteListingException& error) {
        EXPECT_NE(std::string(error.what()).find("125 STARTING"), std::string::npos);
    }
    EXPECT_TRUE(m_listing.empty());
    EXPECT_EQ(m_listing.FreeSpace(), 126592u);
    EXPECT_EQ(peer.commands(), (Names{"ls -l /ram0"}));
}

TEST_F(RemoteListing, ErrorReplyToListingLeavesItEmpty) {
    readGood();
    ScriptedPeer peer({{"451 LOCAL ERR"}});
    EXPECT_THROW(read(peer), CmdLocalErrorException);
    EXPECT_TRUE(m_listing.empty());
    EXPECT_EQ(m_listing.FreeSpace(), 126592u);
}

TEST_F(RemoteListing, FailedDfKeepsRecordsAndFreeSpace) {
    readGood();
    Reply other = kListing;
    other.erase(other.begin() + 4); // only GAME
    ScriptedPeer peer({other, {"504 NOT IMPLEMENTED"}});
    EXPECT_THROW(read(peer), CmdNotImplementedException);
    EXPECT_EQ(namesOf(m_listing), (Names{"GAME"}));
    EXPECT_EQ(m_listing.FreeSpace(), 126592u);
}

TEST_F(RemoteListing, MissingDfLineGivesNoFreeSpace) {
    ScriptedPeer peer({kListing, {"Filesystem", "rom0 1 2 3 4% /rom0", "200 OK"}});
    read(peer);
    EXPECT_EQ(m_listing.size(), 2u);
    EXPECT_EQ(m_listing.FreeSpace(), 0u);
}

// Real waits, but every empty wait moves the clock on by a quarter second, so
// that the ten seconds of silence that end a reply pass in well under one.
class HurriedClock final : public LinkClock {
  public:
    TimePoint now() override { return std::chrono::steady_clock::now() + m_ahead; }
    void sleepFor(Duration duration) override { m_ahead += duration; }
    short waitReadable(int fd, Duration limit) override {
        const short events = m_real.waitReadable(fd, limit);
        if (events == 0)
            m_ahead += std::chrono::milliseconds(250);
        return events;
    }

  private:
    SteadyLinkClock m_real;
    std::chrono::steady_clock::duration m_ahead{};
};

class SilentCartridge : public RemoteListing {
  protected:
    void SetUp() override { SetLinkClock(&m_clock); }
    void TearDown() override { SetLinkClock(nullptr); }
    HurriedClock m_clock;
};

TEST_F(SilentCartridge, SilenceDuringListingEndsInTimeout) {
    readGood();
    ScriptedPeer peer({});
    EXPECT_THROW(read(peer), CommTimeoutException);
    EXPECT_TRUE(m_listing.empty());
    EXPECT_EQ(m_listing.FreeSpace(), 126592u);
}

TEST_F(SilentCartridge, SilenceDuringDfKeepsRecords) {
    readGood();
    ScriptedPeer peer({kListing, {"Filesystem"}});
    EXPECT_THROW(read(peer), CommTimeoutException);
    EXPECT_EQ(m_listing.size(), 2u);
    EXPECT_EQ(m_listing.FreeSpace(), 126592u);
}

TEST_F(RemoteListing, WithoutPortNothingIsSent) {
    readGood();
    EXPECT_THROW(m_listing.Read("/rom0"), RemoteListingNoPortException);
    EXPECT_TRUE(m_listing.empty());
}

} // namespace
} // namespace pf

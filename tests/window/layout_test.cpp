// The proportional layout rule and the log's file formats, without windows.

#include "ferrymate/window/control_info.h"
#include "ferrymate/window/log_line.h"

#include <gtest/gtest.h>

namespace pf {
namespace {

ControlInfoTable designTable() {
    ControlInfoTable table;
    auto put = [&](int key, int left, int top, int width, int height) {
        table[key] = ControlInfo{top, left, width, height, nullptr};
    };
    put(kLocalGroupBoxKey, 3, 5, 288, 289);
    put(kLocalFileViewKey, 7, 48, 271, 233);
    put(kRemoteGroupBoxKey, 343, 5, 286, 289);
    put(kRemoteFileViewKey, 7, 48, 271, 233);
    put(kMonitorGroupBoxKey, 2, 296, 627, 118);
    put(kProtocolMonitorKey, 8, 14, 611, 96);
    put(kMegButtonKey, 292, 11, 50, 50);
    put(kSendButtonKey, 293, 108, 48, 48);
    put(kRecvButtonKey, 293, 168, 48, 48);
    put(kLocalDirEditKey, 7, 20, 247, 20);
    put(kDirSelButtonKey, 260, 20, 20, 20);
    put(kRemoteDirComboKey, 7, 20, 271, 20);
    put(kTopLineKey, 1, 0, 629, 1);
    put(kConnStatusKey, 299, 62, 37, 21);
    return table;
}

TEST(Layout, DesignSizeKeepsDesignBoundsExceptTheFixedAllowances) {
    const ControlInfoTable table = designTable();
    const auto laid = layoutBounds(table, 640, 480);
    for (const auto& [key, info] : table) {
        LayoutBounds expected{info.left, info.top, info.width, info.height};
        if (key == kTopLineKey)
            expected.top = 1;
        if (key == kMonitorGroupBoxKey)
            expected.height = 114;
        if (key == kProtocolMonitorKey)
            expected = {8, 14, 611, 93};
        EXPECT_EQ(laid.at(key), expected) << "key " << key;
    }
}

TEST(Layout, WorkedExampleAt800x600) {
    const auto laid = layoutBounds(designTable(), 800, 600);
    EXPECT_EQ(laid.at(kLocalGroupBoxKey), (LayoutBounds{4, 6, 360, 361}));
    EXPECT_EQ(laid.at(kMonitorGroupBoxKey), (LayoutBounds{3, 370, 784, 160}));
    EXPECT_EQ(laid.at(kProtocolMonitorKey), (LayoutBounds{8, 14, 768, 139}));
    EXPECT_EQ(laid.at(kLocalDirEditKey).height, 20);
    EXPECT_EQ(laid.at(kDirSelButtonKey), (LayoutBounds{325, 25, 25, 20}));
}

TEST(Layout, SmallestWindow560x360) {
    const auto laid = layoutBounds(designTable(), 560, 360);
    EXPECT_EQ(laid.at(kRemoteGroupBoxKey), (LayoutBounds{300, 4, 250, 217}));
    EXPECT_EQ(laid.at(kTopLineKey).top, 1);
    EXPECT_EQ(laid.at(kLocalDirEditKey).height, 20);
    EXPECT_EQ(laid.at(kLocalDirEditKey).top, 15);
}

TEST(Layout, NothingGoesBelowOneAndAnEmptyTableLaysOutNothing) {
    const auto laid = layoutBounds(designTable(), 1, 1);
    for (const auto& [key, bounds] : laid) {
        if (key == kMonitorGroupBoxKey || key == kProtocolMonitorKey)
            continue; // fixed allowances, not scaled values
        EXPECT_GE(bounds.left, 1);
        EXPECT_GE(bounds.top, 1);
        EXPECT_GE(bounds.width, 1);
        EXPECT_GE(bounds.height, 1);
    }
    EXPECT_TRUE(layoutBounds({}, 800, 600).empty());
}

TEST(Layout, StatusPanels) {
    const StatusPanelWidths widths = statusPanelWidths(801);
    EXPECT_EQ(widths.panel0, 400);
    EXPECT_EQ(widths.panel1, 300);
    EXPECT_EQ(widths.panel2, 100);
}

TEST(LogFormats, PlainTextIsTheBytesWithCrLf) {
    const LogLines lines{
        {"ls -l /rom0", clLogCommand}, {"\x83\x5c\x83\x74\x83\x67", clLogReply}, {"(ABORTED)", clLogMarker}};
    EXPECT_EQ(logAsPlainText(lines), "ls -l /rom0\r\n\x83\x5c\x83\x74\x83\x67\r\n(ABORTED)\r\n");
}

TEST(LogFormats, RtfHasAColourTableAndEscapesTrailBytesAndSyntax) {
    // "ソ" is 0x83 0x5C: its trail byte is a backslash.
    const LogLines lines{{"put {x}\\", clLogCommand}, {"\x83\x5c", clLogReply}, {"put 2", clLogCommand}};
    const std::string rtf = logAsRtf(lines);
    EXPECT_NE(rtf.find("\\ansicpg932"), std::string::npos);
    EXPECT_NE(rtf.find("{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"), std::string::npos);
    EXPECT_NE(rtf.find("\\cf1 put \\{x\\}\\\\\\par"), std::string::npos);
    EXPECT_NE(rtf.find("\\cf2 \\'83\\'5c\\par"), std::string::npos);
    EXPECT_NE(rtf.find("\\cf1 put 2\\par"), std::string::npos);
    EXPECT_EQ(rtf.back(), '\n');
}

TEST(LogFormats, ExtensionSwap) {
    struct Case {
        const char* name;
        const char* extension;
        const char* expected;
    };
    const Case cases[] = {
        {"名称未設定.txt", ".rtf", "名称未設定.rtf"},
        {"名称未設定.rtf", ".txt", "名称未設定.txt"},
        {"", ".rtf", ""},
        {"log", ".rtf", "log.rtf"},
        {"a.b/log", ".txt", "a.b/log.txt"},
        {"/tmp/x.tar.gz", ".rtf", "/tmp/x.tar.rtf"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(swapExtension(c.name, c.extension), c.expected) << c.name;
}

} // namespace
} // namespace pf

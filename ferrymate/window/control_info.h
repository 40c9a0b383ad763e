#pragma once
// The proportional layout of the main window. The window is designed for an
// outer size of 640 x 480; fourteen controls keep their design bounds scaled
// to the window's current outer size, with a few fixed allowances, and the
// status bar stays at the bottom.

#include <map>

class QWidget;

namespace pf {

struct LayoutBounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const LayoutBounds&, const LayoutBounds&) = default;
};

// The layout record of one control: its design bounds and the control (not
// owned).
struct ControlInfo {
    int top = 0;
    int left = 0;
    int width = 0;
    int height = 0;
    QWidget* control = nullptr;
};

// Keys of the layout table, walked in ascending order.
enum LayoutKey : int {
    kLocalGroupBoxKey = 0,
    kLocalFileViewKey = 1,
    kRemoteGroupBoxKey = 2,
    kRemoteFileViewKey = 3,
    kMonitorGroupBoxKey = 4,
    kProtocolMonitorKey = 5,
    kMegButtonKey = 6,
    kSendButtonKey = 7,
    kRecvButtonKey = 8,
    kLocalDirEditKey = 9,
    kDirSelButtonKey = 10,
    kRemoteDirComboKey = 11,
    kTopLineKey = 12,
    kConnStatusKey = 13,
};

using ControlInfoTable = std::map<int, ControlInfo>;

inline constexpr int kDesignWidth = 640;
inline constexpr int kDesignHeight = 480;
inline constexpr int kMinimumWidth = 560;
inline constexpr int kMinimumHeight = 360;

// The bounds of every control of `table` for an outer size of W x H.
std::map<int, LayoutBounds> layoutBounds(const ControlInfoTable& table, int outerWidth, int outerHeight);

// The status bar's three panel widths for an outer width W: W / 2,
// W / 2 - 100, 100.
struct StatusPanelWidths {
    int panel0 = 0;
    int panel1 = 0;
    int panel2 = 0;
};
StatusPanelWidths statusPanelWidths(int outerWidth);

} // namespace pf

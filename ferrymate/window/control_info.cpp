#include "ferrymate/window/control_info.h"

namespace pf {
namespace {

constexpr int kMonitorBottomAllowance = 70;
constexpr int kStatusPanel2Width = 100;

// trunc(value * scale + 0.5), never below 1.
int scaled(int value, double scale) {
    const int result = static_cast<int>(value * scale + 0.5);
    return result <= 0 ? 1 : result;
}

} // namespace

std::map<int, LayoutBounds> layoutBounds(const ControlInfoTable& table, int outerWidth, int outerHeight) {
    const double sx = outerWidth / static_cast<double>(kDesignWidth);
    const double sy = outerHeight / static_cast<double>(kDesignHeight);
    std::map<int, LayoutBounds> result;
    for (const auto& [key, info] : table) {
        LayoutBounds bounds{scaled(info.left, sx), scaled(info.top, sy), scaled(info.width, sx),
                            scaled(info.height, sy)};
        switch (key) {
        case kMonitorGroupBoxKey:
            bounds.height = outerHeight - bounds.top - kMonitorBottomAllowance;
            break;
        case kProtocolMonitorKey:
            if (auto group = result.find(kMonitorGroupBoxKey); group != result.end())
                bounds = {info.left, info.top, group->second.width - 16, group->second.height - 21};
            break;
        case kLocalDirEditKey:
        case kDirSelButtonKey:
            bounds.height = info.height;
            break;
        default:
            break;
        }
        result[key] = bounds;
    }
    return result;
}

StatusPanelWidths statusPanelWidths(int outerWidth) {
    return {outerWidth / 2, outerWidth / 2 - kStatusPanel2Width, kStatusPanel2Width};
}

} // namespace pf

#include "tools/imgpak/colour_survey.h"

#include <algorithm>

namespace imgpak {
namespace {

constexpr int kBlack = 255; // darkness of black; white has 0

int darkness(const PaletteEntry& grey) {
    return kBlack - grey.red;
}

bool isMiddleGrey(int d) {
    return d > 0 && d < kBlack;
}

} // namespace

ColourSurvey::ColourSurvey(const BmpImage& image) {
    std::array<bool, 256> seen{};
    for (int y = 0; y < image.height(); ++y) {
        for (const std::uint8_t index : image.row(y)) {
            seen[index] = true;
        }
    }
    for (std::size_t index = 0; index < seen.size(); ++index) {
        if (seen[index]) {
            record(image.palette()[index]);
        }
    }
}

void ColourSurvey::record(const PaletteEntry& colour) {
    if (!colour.isGrey()) {
        m_format = TileFormat::ThreeColours;
        return;
    }
    const int d = darkness(colour);
    if (isMiddleGrey(d)) {
        m_lightest = std::min(m_lightest, d);
        m_darkest = std::max(m_darkest, d);
    }
}

std::array<std::uint8_t, 4> ColourSurvey::shades() const {
    const bool anyGrey = m_darkest >= 0;
    const auto darkest = static_cast<std::uint8_t>(anyGrey ? m_darkest : 0);
    if (m_format == TileFormat::ThreeColours) {
        return {0, 0, darkest, 0xFF};
    }
    const auto lightest = static_cast<std::uint8_t>(anyGrey ? m_lightest : 0xFF);
    return {0, lightest, darkest, 0xFF};
}

std::uint8_t ColourSurvey::level(const PaletteEntry& colour) const {
    if (!colour.isGrey()) {
        return 0;
    }
    const bool threeColours = m_format == TileFormat::ThreeColours;
    const int d = darkness(colour);
    if (d == kBlack) {
        return 3;
    }
    if (d == 0) {
        return threeColours ? 1 : 0;
    }
    if (threeColours) {
        return 2;
    }
    return d == m_lightest ? 1 : 2;
}

} // namespace imgpak

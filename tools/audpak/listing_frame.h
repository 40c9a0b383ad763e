#pragma once
// The frame every assembly listing shares: the opening lines with the
// resource type, and the closing lines.

#include "tools/audpak/converter.h"

#include <string>
#include <string_view>

namespace audpak {

// The opening text for the type ("MD", "SE" or "SI"), as one line.
std::string listingFrameText(std::string_view type);

// Writes the opening text as a line.
void writeListingFrame(Listing& listing, std::string_view type);

// Writes the closing text as a line.
void writeListingEnd(Listing& listing);

} // namespace audpak

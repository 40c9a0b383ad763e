#include "tools/audpak/listing_frame.h"

namespace audpak {

std::string listingFrameText(std::string_view type) {
    return "\tINCLUDE\tSEQDEF.INC\r\n\r\n\tDB\t'VR" + std::string(type) +
           "'\r\n\tDW\tseg END_DATA\r\n\tDW\t0\r\n";
}

void writeListingFrame(Listing& listing, std::string_view type) {
    listing.line(listingFrameText(type));
}

void writeListingEnd(Listing& listing) {
    listing.line("\r\n\tENDDATA\r\n\tEND");
}

} // namespace audpak

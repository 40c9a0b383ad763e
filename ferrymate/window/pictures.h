#pragma once
// The window's pictures, drawn in code at the sizes they are shown so that
// they stay crisp: the three connection pictures, the arrow glyphs of the
// send and receive buttons, the 16 x 16 file and folder images, and the
// About box's icon and banner.

#include <QPixmap>

namespace pf {

enum class ConnectionPicture { Disconnected, Negotiating, Connected };
enum class ArrowDirection { Right, Left };

// 50 x 50: a small handheld over a pink, pale yellow or pale cyan ground,
// with "Disconnected" in red, "Negotiating" in orange or "Connected" in green
// beneath it.
QPixmap connectionPicture(ConnectionPicture which);

// 40 x 40: an orange arrow on a transparent ground.
QPixmap arrowGlyph(ArrowDirection direction);

// 16 x 16 on white: a sheet of paper, and a yellow folder.
QPixmap fileImage();
QPixmap folderImage();

// 32 x 32: the program's icon (a cartridge with a link arrow).
QPixmap aboutIcon();
// 256 x 64: the About box's banner with the program's name.
QPixmap aboutBanner();
// 32 x 32: the cartridge information box's picture.
QPixmap cartridgePicture();

} // namespace pf

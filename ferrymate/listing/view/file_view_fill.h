#pragma once
// Filling the two file views: row i shows record i of its listing.

#include <QString>

#include <cstddef>
#include <vector>

class QTreeWidget;

namespace pf {

class FileListVector;
class ImageList;
class LocalFileListVector;
class RemoteFileListVector;
class ShellIcons;

// Rows of the cartridge listing: the file picture, the name, the size with
// thousands separated, date, attribute and description (decoded from CP932).
void fillRemoteRows(QTreeWidget& view, const RemoteFileListVector& listing, const ImageList& images);

// Rows of the PC listing: folders with an empty size and the folder picture,
// files with their size and the desktop's icon (added to `images`; the file
// picture when there is none), then the date. `folder` is the listed folder.
void fillLocalRows(QTreeWidget& view, const LocalFileListVector& listing, const QString& folder,
                   ImageList& images, ShellIcons& icons);

// The row indices of the selected rows, ascending.
std::vector<std::size_t> selectedRows(const QTreeWidget& view);

} // namespace pf

#pragma once
// The window's shared image list of the file views: image 0 the file
// picture, image 1 the folder picture; from index 2 on the shell icons that
// the last PC fill added.

#include <QIcon>
#include <QPixmap>
#include <QVector>

namespace pf {

class ImageList {
  public:
    static constexpr int kFileImage = 0;
    static constexpr int kFolderImage = 1;

    ImageList(const QPixmap& file, const QPixmap& folder) : m_images{QIcon(file), QIcon(folder)} {}

    int add(const QIcon& icon) {
        m_images.push_back(icon);
        return static_cast<int>(m_images.size()) - 1;
    }
    // Removes every image from index 2 on.
    void removeAdded() { m_images.resize(2); }

    const QIcon& at(int index) const { return m_images.at(index); }
    int count() const { return static_cast<int>(m_images.size()); }

  private:
    QVector<QIcon> m_images;
};

} // namespace pf

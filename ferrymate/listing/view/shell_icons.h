#pragma once
// The small icons the desktop shows for files. Asking the desktop for every
// one of thousands of files would be slow, and files of one kind share an
// icon, so icons are kept by their kind (the file name's suffix, or the name
// itself when it has none) for the life of the object.

#include <QFileIconProvider>
#include <QHash>
#include <QIcon>
#include <QString>

#include <optional>

namespace pf {

class ShellIcons {
  public:
    ShellIcons();
    // The desktop's icon for the file at `path`; nullopt when it has none.
    std::optional<QIcon> iconFor(const QString& path);

  private:
    QFileIconProvider m_provider;
    QHash<QString, std::optional<QIcon>> m_byKind;
};

} // namespace pf

#include "ferrymate/listing/view/shell_icons.h"

#include <QFileInfo>

namespace pf {

ShellIcons::ShellIcons() {
    m_provider.setOptions(QFileIconProvider::DontUseCustomDirectoryIcons);
}

std::optional<QIcon> ShellIcons::iconFor(const QString& path) {
    const QFileInfo info(path);
    const QString suffix = info.suffix().toLower();
    const QString kind = suffix.isEmpty() ? QStringLiteral("/") + info.fileName() : suffix;
    if (auto found = m_byKind.constFind(kind); found != m_byKind.constEnd())
        return *found;
    const QIcon icon = m_provider.icon(info);
    std::optional<QIcon> result;
    if (!icon.isNull() && !icon.availableSizes().isEmpty())
        result = icon;
    else if (!icon.isNull() && !icon.pixmap(16, 16).isNull())
        result = icon;
    m_byKind.insert(kind, result);
    return result;
}

} // namespace pf

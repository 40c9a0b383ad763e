#include "ferrymate/listing/view/file_view_fill.h"

#include "ferrymate/listing/byte_size_text.h"
#include "ferrymate/listing/local_file_list_vector.h"
#include "ferrymate/listing/remote_file_list_vector.h"
#include "ferrymate/listing/view/image_list.h"
#include "ferrymate/listing/view/shell_icons.h"
#include "ferrymate/platform/text_codec.h"

#include <QApplication>
#include <QTreeWidget>

#include <algorithm>

namespace pf {
namespace {

constexpr int kSizeColumn = 1;

// The busy pointer and suspended redrawing for the length of one fill.
class FillBracket {
  public:
    explicit FillBracket(QTreeWidget& view) : m_view(view) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_view.setUpdatesEnabled(false);
        m_view.clear();
    }
    ~FillBracket() {
        m_view.setUpdatesEnabled(true);
        QApplication::restoreOverrideCursor();
    }
    FillBracket(const FillBracket&) = delete;
    FillBracket& operator=(const FillBracket&) = delete;

  private:
    QTreeWidget& m_view;
};

QString fromCartridge(const std::string& bytes) {
    return QString::fromStdString(cp932ToUtf8(bytes));
}

QString sizeText(std::int32_t size) {
    return QString::fromStdString(formatGroupedNumber(size));
}

QTreeWidgetItem* newRow(const QStringList& cells, const QIcon& icon) {
    auto* item = new QTreeWidgetItem(cells);
    item->setIcon(0, icon);
    item->setTextAlignment(kSizeColumn, Qt::AlignRight | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

} // namespace

void fillRemoteRows(QTreeWidget& view, const RemoteFileListVector& listing, const ImageList& images) {
    FillBracket bracket(view);
    QList<QTreeWidgetItem*> rows;
    rows.reserve(static_cast<qsizetype>(listing.size()));
    for (const FileInfo& record : listing)
        rows.push_back(newRow({fromCartridge(record.name), sizeText(record.size), fromCartridge(record.date),
                               fromCartridge(record.attribute), fromCartridge(record.description)},
                              images.at(ImageList::kFileImage)));
    view.addTopLevelItems(rows);
}

void fillLocalRows(QTreeWidget& view, const LocalFileListVector& listing, const QString& folder,
                   ImageList& images, ShellIcons& icons) {
    FillBracket bracket(view);
    images.removeAdded();
    QString base = folder;
    if (base.endsWith(QLatin1Char('/')) && base.size() > 1)
        base.chop(1);
    QHash<qint64, int> added; // icon cache key -> image index, one image per distinct icon
    QList<QTreeWidgetItem*> rows;
    rows.reserve(static_cast<qsizetype>(listing.size()));
    for (const FileInfo& record : listing) {
        const QString name = QString::fromStdString(record.name);
        const QString date = QString::fromStdString(record.date);
        if (record.isDirectory) {
            rows.push_back(newRow({name, QString(), date}, images.at(ImageList::kFolderImage)));
            continue;
        }
        int image = ImageList::kFileImage;
        if (auto icon = icons.iconFor(base + QLatin1Char('/') + name)) {
            auto found = added.constFind(icon->cacheKey());
            image = found != added.constEnd() ? *found : images.add(*icon);
            added.insert(icon->cacheKey(), image);
        }
        rows.push_back(newRow({name, sizeText(record.size), date}, images.at(image)));
    }
    view.addTopLevelItems(rows);
}

std::vector<std::size_t> selectedRows(const QTreeWidget& view) {
    std::vector<std::size_t> rows;
    for (const QModelIndex& index : view.selectionModel()->selectedRows())
        rows.push_back(static_cast<std::size_t>(index.row()));
    std::sort(rows.begin(), rows.end());
    return rows;
}

} // namespace pf

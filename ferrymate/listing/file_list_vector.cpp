#include "ferrymate/listing/file_list_vector.h"

#include "ferrymate/listing/name_collator.h"
#include "ferrymate/listing/sort_orders.h"

#include <algorithm>
#include <utility>

namespace pf {
namespace {

struct KeyedRecord {
    std::wstring key;
    FileInfo record;
};

} // namespace

void FileListVector::SortByName() {
    // Each name's collation key is made once, not once per comparison.
    const NameCollator& collator = NameCollator::userDefault();
    std::vector<KeyedRecord> keyed;
    keyed.reserve(size());
    for (FileInfo& record : *this)
        keyed.push_back({collator.sortKey(record.name, m_nameEncoding), std::move(record)});
    std::sort(keyed.begin(), keyed.end(), [](const KeyedRecord& x, const KeyedRecord& y) {
        return comesBeforeByName(x.record, y.record, x.key.compare(y.key));
    });
    for (std::size_t i = 0; i < keyed.size(); ++i)
        (*this)[i] = std::move(keyed[i].record);
}

void FileListVector::SortBySize() {
    std::sort(begin(), end(), comesBeforeBySize);
}

void FileListVector::SortByDate() {
    std::sort(begin(), end(), comesBeforeByDate);
}

} // namespace pf

#include "ferrymate/listing/sort_orders.h"

namespace pf {
namespace {

// The rows the size and date orders share. ".." leads only against other
// records: against itself it must not come first, or the order would not be
// strict and the sort could run past its range.
template <typename KeyNotLess>
bool comesBeforeWithParentFirst(const FileInfo& x, const FileInfo& y, KeyNotLess keyNotLess) {
    const bool xParent = isParentFolder(x);
    const bool yParent = isParentFolder(y);
    if (xParent && !yParent)
        return true;
    if (x.isDirectory && !y.isDirectory)
        return true;
    if (keyNotLess())
        return false;
    if (yParent)
        return false;
    if (!x.isDirectory && y.isDirectory)
        return false;
    return true;
}

} // namespace

bool isParentFolder(const FileInfo& record) {
    return record.isDirectory != 0 && record.name == "..";
}

bool comesBeforeByName(const FileInfo& x, const FileInfo& y, int nameComparison) {
    if (x.isDirectory && !y.isDirectory)
        return true;
    if (nameComparison >= 0)
        return false;
    if (!x.isDirectory && y.isDirectory)
        return false;
    return true;
}

bool comesBeforeBySize(const FileInfo& x, const FileInfo& y) {
    return comesBeforeWithParentFirst(x, y, [&] { return x.size >= y.size; });
}

bool comesBeforeByDate(const FileInfo& x, const FileInfo& y) {
    // std::string compares through char_traits<char>, which orders bytes as
    // unsigned values.
    return comesBeforeWithParentFirst(x, y, [&] { return !(x.date < y.date); });
}

} // namespace pf

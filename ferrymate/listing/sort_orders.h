#pragma once
// The comes-before tests of the three listing orders. Each is a strict
// ordering: folders before files; by size and by date the folder ".." before
// everything else; then ascending by the key.

#include "ferrymate/listing/file_info.h"

namespace pf {

// True for the parent-folder record "..".
bool isParentFolder(const FileInfo& record);

// `nameComparison` is negative, zero or positive as x's name sorts before,
// with or after y's (see NameCollator).
bool comesBeforeByName(const FileInfo& x, const FileInfo& y, int nameComparison);

bool comesBeforeBySize(const FileInfo& x, const FileInfo& y);

// Dates compare as unsigned bytes; a prefix sorts before the longer text.
bool comesBeforeByDate(const FileInfo& x, const FileInfo& y);

} // namespace pf

#pragma once
// The names of the files -r writes, derived from the entry's path.

#include "entry/resource_header.h"

#include <set>
#include <string>
#include <string_view>

namespace hdrgen {

// `path` with the extension of its last component replaced by `suffix`
// (appended when the last component has no "."): a "." in a folder name,
// as in "./song", is no extension.
std::string splitOutputPath(std::string_view path, std::string_view suffix);

// Hands out the names of one split. A name is never the entry itself nor
// one handed out before: a repeat gets "-2", "-3"... before its extension,
// so that no part of the entry overwrites another.
class SplitNames {
  public:
    explicit SplitNames(std::string entryPath);

    std::string code();                                     // .bin
    std::string resource(const pf::ResourceHeader& header); // _<type><id>.vr
    std::string unknown();                                  // .vr

  private:
    std::string unique(const std::string& stem, std::string_view extension);

    std::string m_entryPath;
    std::set<std::string> m_taken;
};

} // namespace hdrgen

#pragma once
// Compares file names by what they mean rather than by their bytes: in the
// collation order of a locale, with case ignored ("readme" and "README"
// compare equal, and so do full-width "ａ" and "Ａ").

#include "ferrymate/listing/name_encoding.h"

#include <locale>
#include <string>
#include <string_view>

namespace pf {

class NameCollator {
  public:
    explicit NameCollator(const std::locale& locale);

    // The collator of the user's locale (LC_ALL, LC_COLLATE, LANG). When that
    // is the plain "C"/"POSIX" locale or cannot be loaded, "C.UTF-8" is used
    // so that letters beyond ASCII still fold their case; names then sort by
    // code point.
    static const NameCollator& userDefault();

    // A key whose plain comparison orders names as compare() does. A name
    // that is not valid in its encoding still gets a key: each bad byte
    // stands for U+FFFD.
    std::wstring sortKey(std::string_view name, NameEncoding encoding) const;

    // Negative, zero or positive as `a` sorts before, with or after `b`.
    int compare(std::string_view a, std::string_view b, NameEncoding encoding) const;

    std::string localeName() const { return m_locale.name(); }

  private:
    std::locale m_locale;
};

} // namespace pf

#include "tools/imgpak/convert_error.h"

#include <cstdarg>
#include <cstdio>

namespace imgpak {
namespace {

std::string formatList(const char* format, std::va_list args) {
    std::va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (length <= 0) {
        return {};
    }
    std::string text(static_cast<std::size_t>(length), '\0');
    std::vsnprintf(text.data(), text.size() + 1, format, args);
    return text;
}

} // namespace

std::string formatMessage(const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    std::string text = formatList(format, args);
    va_end(args);
    return text;
}

void fail(const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    std::string text = formatList(format, args);
    va_end(args);
    throw ConvertError(text);
}

} // namespace imgpak

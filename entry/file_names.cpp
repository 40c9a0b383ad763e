#include "entry/file_names.h"

namespace pf {

std::string withDefaultExtension(std::string_view name, std::string_view extension) {
    std::string result(name);
    if (name.find('.') == std::string_view::npos) {
        result += extension;
    }
    return result;
}

std::string cutAtLastDot(std::string_view name) {
    return std::string(name.substr(0, name.rfind('.')));
}

std::string lastPathComponent(std::string_view path) {
    const auto slash = path.find_last_of("/\\");
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string replaceExtension(std::string_view path, std::string_view suffix) {
    return cutAtLastDot(path) + std::string(suffix);
}

} // namespace pf

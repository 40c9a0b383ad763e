#include "tools/imgpak/imgpak.h"

#include "entry/time_stamp.h"
#include "tools/imgpak/bmp_image.h"
#include "tools/imgpak/c_header.h"
#include "tools/imgpak/command_line.h"
#include "tools/imgpak/convert_error.h"
#include "tools/imgpak/file_io.h"
#include "tools/imgpak/file_naming.h"
#include "tools/imgpak/format_template.h"
#include "tools/imgpak/help_text.h"
#include "tools/imgpak/image_resource.h"
#include "tools/imgpak/tile_image.h"

#include <optional>
#include <vector>

namespace imgpak {

const std::string_view kUsageText = "Velda Image resource converter Version 1.11"
                                    "\r\nusage: imgpak [-p<pal>|-t<type>|-d<id>|-e] <bmp file(.bmp)> [res "
                                    "file(.vr)]\r\n       imgpak -c[format file] <bmp file(.bmp)> [output "
                                    "file(.h)]\r\n";

namespace {

std::vector<std::uint8_t> readInput(const std::string& path) {
    checkPathLength(path);
    auto bytes = readWholeFile(path);
    if (!bytes) {
        fail("cannot open '%s'\n", path.c_str());
    }
    return std::move(*bytes);
}

// The format file under its own name, else under that name in the folder
// of the imgpak program; a failure names the file as it was given.
FormatTemplate loadFormat(const std::string& name, const std::string& programPath) {
    checkPathLength(name);
    auto bytes = readWholeFile(name);
    std::string path = name;
    const std::string folder = folderOf(programPath);
    if (!bytes && !name.empty() && name.front() != '/' && !folder.empty()) {
        path = folder + name;
        bytes = path.size() <= kMaxPathLength ? readWholeFile(path) : std::nullopt;
    }
    if (!bytes) {
        fail("cannot open '%s'\n", name.c_str());
    }
    const std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
    return FormatTemplate::parse(text, path);
}

std::vector<std::uint8_t> resourceOutput(const TileImage& tiles, const Options& options,
                                         const FileNames& names) {
    auto resource = encodeImageResource(tiles, options.type, options.id);
    if (options.output != OutputKind::Entry) {
        return resource;
    }
    try {
        return wrapInEntry(resource, names.entryName, pf::encodeTimeStamp(pf::entryStampTime()));
    } catch (const pf::TimeSourceError& e) {
        fail("%s\r\n", e.what());
    }
}

std::vector<std::uint8_t> headerOutput(const FormatTemplate& frame, const TileImage& tiles,
                                       const FileNames& names) {
    const std::string text = renderCHeader(frame, tiles, names.symbol);
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

void convert(const Options& options, const std::string& programPath, std::ostream& out) {
    std::optional<FormatTemplate> frame;
    if (options.output == OutputKind::CHeader) {
        frame = loadFormat(options.formatFile, programPath);
    }
    const FileNames names = deriveFileNames(options.bitmap, options.outputName, options.output);
    checkPathLength(names.output);
    const std::vector<std::uint8_t> file = readInput(names.bitmap);
    const BmpImage image = readBmp(file, names.bitmap);
    TileImage tiles = convertTiles(image);
    applyShadeOverride(tiles, options.shadeOverride);
    const std::vector<std::uint8_t> bytes =
        frame ? headerOutput(*frame, tiles, names) : resourceOutput(tiles, options, names);
    writeWholeFile(names.output, bytes);
    out << formatMessage("imgpak: %s (%d x %d, %s, %lu bytes)\r\n", names.output.c_str(), tiles.widthTiles,
                         tiles.heightTiles, std::string(formatName(tiles.format)).c_str(),
                         static_cast<unsigned long>(bytes.size()));
}

} // namespace

int runImgpak(std::span<const std::string> args, const std::string& programPath, std::ostream& out) {
    const CommandLine line = parseCommandLine(args);
    switch (line.request) {
    case Request::Usage:
        out << kUsageText;
        return 1;
    case Request::Help:
        out << kUsageText << kHelpText;
        return 0;
    case Request::Version:
        out << kVersionText;
        return 0;
    case Request::Convert:
        break;
    }
    try {
        convert(line.options, programPath, out);
        return 0;
    } catch (const ConvertError& e) {
        out << e.what();
        return 1;
    }
}

} // namespace imgpak

#include "tools/audpak/audpak_program.h"

#include "tools/audpak/command_line.h"
#include "tools/audpak/converter.h"
#include "tools/audpak/file_naming.h"
#include "tools/audpak/help_text.h"
#include "tools/audpak/instrument_compiler.h"
#include "tools/audpak/listing_file.h"
#include "tools/audpak/mml/mml_compiler.h"
#include "tools/audpak/wave_converter.h"

#include "entry/entry_header.h"
#include "entry/replacement_file.h"
#include "entry/resource_header.h"
#include "entry/time_stamp.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace audpak {

namespace {

ConvertError cannotOpen(const std::string& path) {
    return ConvertError("cannot open '" + path + "'\n");
}

// The whole file; std::string keeps a zero byte after the data, so the
// compilers see a zero-terminated text.
std::string readSource(const std::string& path) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
    if (!file) {
        throw cannotOpen(path);
    }
    std::string bytes;
    char chunk[65536];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) {
        bytes.append(chunk, got);
    }
    if (std::ferror(file.get())) {
        throw cannotOpen(path);
    }
    return bytes;
}

// The output and the listing must not replace the source they came from.
void refuseToOverwrite(const std::string& source, const std::string& path) {
    std::error_code error;
    if (!path.empty() && std::filesystem::equivalent(source, path, error)) {
        throw ConvertError("'" + path + "' would overwrite the source\r\n");
    }
}

std::size_t runConverter(const CommandLine& line, const Source& source, ResultBuffer& out, Listing* listing) {
    switch (line.kind) {
    case SourceKind::Music:
        return compileMml(source, out, listing, 0);
    case SourceKind::SoundEffects:
        return compileMml(source, out, listing, line.soundEffects);
    case SourceKind::Instruments:
        return compileInstruments(source, out, listing, 0);
    case SourceKind::Wave:
        break;
    }
    return convertWave(source, out, listing, 0);
}

void writeResourceHeader(const CommandLine& line, ResultBuffer& out, std::size_t length) {
    const auto header = pf::makeResourceHeader(line.type.value_or(defaultType(line.kind)), length, line.id);
    pf::writeResourceHeader(std::span<std::uint8_t>(out.data(), pf::kResourceHeaderSize), header);
}

std::string entryHeaderBytes(const std::string& entryName, std::size_t length) {
    const auto record =
        pf::makeEntryRecord(entryName, entryName, pf::kDefaultEntryMode, 0,
                            static_cast<std::uint32_t>(length), 0, pf::encodeTimeStamp(pf::entryStampTime()));
    const auto header = pf::encodeEntryHeader(record);
    return std::string(header.begin(), header.end());
}

// Writes the output file; returns the number of bytes written.
std::size_t writeOutput(const CommandLine& line, const FileNames& names, const ResultBuffer& out,
                        std::size_t length) {
    std::string bytes;
    if (line.entry) {
        bytes = entryHeaderBytes(names.entryName, length);
    }
    bytes.append(reinterpret_cast<const char*>(out.data()), length);
    pf::ReplacementFile file(names.output);
    if (!file.open()) {
        throw cannotOpen(names.output);
    }
    if (!file.write(bytes) || !file.commit()) {
        throw ConvertError("cannot write '" + names.output + "'\r\n");
    }
    return bytes.size();
}

int convert(const CommandLine& line, std::ostream& out) {
    const FileNames names = deriveFileNames(line);
    const std::string text = readSource(names.source);
    refuseToOverwrite(names.source, names.output);
    refuseToOverwrite(names.source, names.listing);

    std::optional<ListingFile> listing;
    if (line.listing) {
        listing.emplace(names.listing);
        if (!listing->open()) {
            throw cannotOpen(names.listing);
        }
    }
    auto result = std::make_unique<ResultBuffer>();
    const std::size_t length = runConverter(line, Source{text}, *result, listing ? &*listing : nullptr);
    ResultBuffer::require(length);
    writeResourceHeader(line, *result, length);
    const std::size_t written = writeOutput(line, names, *result, length);
    if (listing) {
        listing->save();
    }
    out << "audpak: " << names.output << " (" << written << " bytes)\r\n";
    return 0;
}

} // namespace

int runAudpak(std::span<const std::string_view> args, std::ostream& out) {
    try {
        const CommandLine line = parseCommandLine(args);
        switch (line.request) {
        case Request::Help:
            out << kUsageText << kHelpDetails;
            return 0;
        case Request::Version:
            out << kVersionLine;
            return 0;
        case Request::Usage:
            out << kUsageText;
            return 1;
        case Request::Convert:
            break;
        }
        return convert(line, out);
    } catch (const ConvertError& error) {
        out << error.what();
    } catch (const pf::TimeSourceError& error) {
        out << error.what() << "\r\n";
    }
    return 1;
}

} // namespace audpak

#pragma once
// The seam between audpak's frame and its converters (MML, instruments,
// wave). The frame reads the source whole, owns the 65534-byte result
// buffer and the listing file; a converter fills the buffer from byte 8 on
// (the frame writes the resource header over bytes 0-7 afterwards), writes
// its listing lines while it runs and returns the resource's length.

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace audpak {

inline constexpr std::size_t kResultCapacity = 65534;

// A converter failure. `what()` is the complete text to print on standard
// output, line end included (for example "data too large\r\n"); the frame
// prints it and exits with code 1 without writing an output file.
class ConvertError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The result buffer: every write is bounds-checked, so a resource that
// would pass 65534 bytes fails with a ConvertError instead of running past
// the end.
class ResultBuffer {
  public:
    std::uint8_t* data() { return m_bytes.data(); }
    const std::uint8_t* data() const { return m_bytes.data(); }
    static constexpr std::size_t capacity() { return kResultCapacity; }

    // Writes one byte / a little-endian word at `offset`; throws
    // ConvertError when it would reach past the capacity.
    void put8(std::size_t offset, std::uint8_t value);
    void put16(std::size_t offset, std::uint16_t value);
    std::uint8_t get8(std::size_t offset) const;
    std::uint16_t get16(std::size_t offset) const;
    // Throws ConvertError unless `end` <= capacity.
    static void require(std::size_t end);

  private:
    std::array<std::uint8_t, kResultCapacity> m_bytes{};
};

// The assembly listing (-s). Absent when -s is not given: converters receive
// a null pointer and skip all listing work.
class Listing {
  public:
    virtual ~Listing() = default;
    // Writes `text` followed by "\r\n".
    virtual void line(std::string_view text) = 0;
    // Writes `text` as it is (the byte lists of the instrument listing).
    virtual void raw(std::string_view text) = 0;
    // Byte position of the next write.
    virtual std::uint64_t position() = 0;
    // Overwrites the listing from byte `at` with `text` and returns to the
    // end, for the header lines that are only known at the end.
    virtual void rewrite(std::uint64_t at, std::string_view text) = 0;
};

// The source as the frame read it: `text.data()[text.size()]` is a zero byte.
struct Source {
    std::string_view text;
};

// One converter: fills `out`, writes the listing when `listing` is not null,
// returns the resource length in bytes (header included).
// `soundEffects` is the -b count for MML (0 for music) and unused otherwise.
using Converter = std::size_t (*)(const Source& source, ResultBuffer& out, Listing* listing,
                                  int soundEffects);

} // namespace audpak

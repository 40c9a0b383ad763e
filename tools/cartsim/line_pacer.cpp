#include "tools/cartsim/line_pacer.h"

#include <algorithm>

namespace cartsim {

Clock::duration LinePacer::wireTime(std::size_t count) const {
    if (m_baud == 0) {
        return Clock::duration::zero();
    }
    return std::chrono::duration_cast<Clock::duration>(
        std::chrono::nanoseconds(count * 10ULL * 1'000'000'000ULL / m_baud));
}

Clock::time_point LinePacer::book(Clock::time_point ready, std::size_t count) {
    if (m_baud == 0) {
        return ready;
    }
    m_free = std::max(m_free, ready) + wireTime(count);
    return m_free;
}

std::size_t LinePacer::bytesPer(std::chrono::microseconds span) const {
    if (m_baud == 0) {
        return 4096;
    }
    const auto bytes = static_cast<std::size_t>(span.count()) * m_baud / 10 / 1'000'000;
    return std::max<std::size_t>(1, bytes);
}

} // namespace cartsim

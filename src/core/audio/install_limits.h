#pragma once

#include <chrono>
#include <cstdint>

namespace tilvane {

// What one reciter install may take, whatever its source sends. The defaults are far above
// any real per-aya file and any working connection.
struct InstallLimits {
    // An aya file of more is refused at once (a few MB at the highest bit rates).
    std::int64_t maxFileBytes = 32ll * 1024 * 1024;
    // The install stops before the recitation folder's disk has less free.
    std::uint64_t minFreeBytes = 64ull * 1024 * 1024;
    // A transfer that receives less than minBytesPerSecond over one window has stalled.
    std::int64_t minBytesPerSecond = 1024;
    std::chrono::milliseconds rateWindow{30000};
};

} // namespace tilvane

#pragma once

#include <cstdint>

namespace tilvane {

// A place in the text: sura 1..114 and aya 1..the sura's aya count. Sura 0 means none yet.
struct TQuranPos {
    std::int32_t Sura = 0;
    std::int32_t Aya = 0;

    friend bool operator==(const TQuranPos&, const TQuranPos&) = default;
};

} // namespace tilvane

#pragma once

namespace tilvane {

// A sura and an aya; Sura 0 means no page has been shown yet.
struct TQuranPos {
    int Sura = 0;
    int Aya = 0;
    bool operator==(const TQuranPos&) const = default;
};

} // namespace tilvane

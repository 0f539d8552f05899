#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tilvane {

// A public collection of one MP3 file per aya (SSSAAA.mp3 in one web folder), as the
// catalogue shipped with the reader lists it.
struct CatalogueEntry {
    std::string name;    // the folder the recitation gets on the disk, e.g. "Alafasy_64kbps"
    std::string reciter; // who recites
    std::string style;   // "Murattal", "Mujawwad", "Teaching", ...
    int bitrateKbps = 0;
    std::string url;                   // the web folder, ending with "/"
    std::uint64_t approximateBytes = 0; // the whole Quran; 0 when unknown
};

// The catalogue file beside the reader's data (res/reciters.ini).
std::string reciterCatalogueFile();

// The entries of a catalogue file in file order: one section per collection, keys Reciter,
// Style, Bitrate (kbps), Url and SizeMB. A section without a web address or with a name that
// cannot be a recitation folder is left out; a missing or unreadable file gives none.
std::vector<CatalogueEntry> loadReciterCatalogue(const std::string& path);

} // namespace tilvane

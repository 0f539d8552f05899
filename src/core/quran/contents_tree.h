#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tilvane {

// The record each node of the contents tree carries.
struct TContentNode {
    int Sura = 0;
    std::uint8_t Kind = 0;  // 0 sura, 1 preface, 2 sura text, 3 closing
    std::string PageFile;   // at most 30 characters: the page body in AzDir, "-" or "[none]"
};

inline constexpr std::uint8_t kContentSura = 0;
inline constexpr std::uint8_t kContentPreface = 1;
inline constexpr std::uint8_t kContentSuraText = 2;
inline constexpr std::uint8_t kContentClosing = 3;

// The contents tree's state images.
enum ContentsImage : std::uint8_t {
    kNoImage = 0,
    kSuraImage = 1,         // a closed sura
    kSuraSelectedImage = 2, // a selected sura
    kPageImage = 3,         // a preface or closing page
    kSuraTextImage = 4,     // the sura text
};

struct ContentsItem {
    std::string text;
    TContentNode node;
    ContentsImage stateImage = kNoImage;
    ContentsImage selectedImage = kNoImage; // the state image shown while the node is selected
};

// One sura's top-level node with its three children.
struct TContentsSura {
    ContentsItem item; // its text is also the sura selector's entry
    std::vector<ContentsItem> children;
};

// The 114 sura entries of the contents tree and the sura selector, in sura order.
std::vector<TContentsSura> contentsTree();

} // namespace tilvane

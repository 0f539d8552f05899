#pragma once

#include "core/quran/line_list.h"

#include <string>
#include <vector>

namespace tilvane {

struct TIndexNode {
    std::string text; // the line without its indentation
    int depth = 0;    // 0 = top level
    int parent = -1;  // index of the parent node in the list; -1 at the top level
};

// The Index tab's tree, one node per line in line order (parents before their children).
// Each leading blank or tab is one level; a line indented deeper than one level below the
// line before it becomes a child of that line.
std::vector<TIndexNode> parseIndexTree(const LineList& lines);

} // namespace tilvane

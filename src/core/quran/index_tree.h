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
// Each leading blank or tab is one level: a line indented more than the line before is that
// line's child, one level deeper however large the jump; a line indented less returns to the
// nearest earlier line indented less than itself, whose child it becomes.
std::vector<TIndexNode> parseIndexTree(const LineList& lines);

} // namespace tilvane

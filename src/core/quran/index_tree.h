#pragma once

#include "core/quran/line_list.h"
#include "core/quran/quran_pos.h"

#include <string>
#include <vector>

namespace tilvane {

struct IndexNode {
    std::string text; // the line without its indentation
    int depth = 0;    // 0 = top level
    int parent = -1;  // index of the parent node in the list; -1 at the top level
    TQuranPos target; // where the node leads; Sura 0 for a node that only groups others
};

// The Index tab's tree, one node per line in line order (parents before their children).
// Each leading blank or tab is one level: a line indented more than the line before is that
// line's child, one level deeper however large the jump; a line indented less returns to the
// nearest earlier line indented less than itself, whose child it becomes.
std::vector<IndexNode> parseIndexTree(const LineList& lines);

// Gives node i the target on line i of `targets`, "sura:aya" ("78:1"). A line that is empty,
// malformed or names an aya that does not exist leaves its node without a target.
void attachIndexTargets(std::vector<IndexNode>& nodes, const LineList& targets);

// The tree of "ina_idx.txt" in `folder` with the targets of "ina_idx_pos.txt" beside it.
// Throws FileOpenError when the tree file cannot be opened.
std::vector<IndexNode> loadIndexTree(const std::string& folder);

// Where a target lies, as the Index tab shows it beside the node: "An-Naba' 78:1".
std::string indexTargetText(const TQuranPos& target);

} // namespace tilvane

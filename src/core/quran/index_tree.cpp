#include "core/quran/index_tree.h"

#include <algorithm>

namespace tilvane {

std::vector<TIndexNode> parseIndexTree(const LineList& lines)
{
    std::vector<TIndexNode> nodes;
    nodes.reserve(lines.size());
    // The last node seen at each depth: ancestors of the next line.
    std::vector<int> lastAtDepth;
    for (const std::string& line : lines) {
        const std::size_t indent = std::min(line.find_first_not_of(" \t"), line.size());
        const int depth = std::min(static_cast<int>(indent), static_cast<int>(lastAtDepth.size()));
        const int parent = depth == 0 ? -1 : lastAtDepth[static_cast<std::size_t>(depth) - 1];
        lastAtDepth.resize(static_cast<std::size_t>(depth));
        lastAtDepth.push_back(static_cast<int>(nodes.size()));
        nodes.push_back(TIndexNode{line.substr(indent), depth, parent});
    }
    return nodes;
}

} // namespace tilvane

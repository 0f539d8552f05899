#include "core/quran/index_tree.h"

#include <algorithm>

namespace tilvane {

std::vector<TIndexNode> parseIndexTree(const LineList& lines)
{
    struct Open {
        std::size_t indent;
        int node;
    };
    std::vector<TIndexNode> nodes;
    nodes.reserve(lines.size());
    // The chain of nodes the next line may be attached to, shallowest first.
    std::vector<Open> ancestors;
    for (const std::string& line : lines) {
        const std::size_t indent = std::min(line.find_first_not_of(" \t"), line.size());
        while (!ancestors.empty() && ancestors.back().indent >= indent)
            ancestors.pop_back();
        const int parent = ancestors.empty() ? -1 : ancestors.back().node;
        nodes.push_back(TIndexNode{line.substr(indent), static_cast<int>(ancestors.size()), parent});
        ancestors.push_back(Open{indent, static_cast<int>(nodes.size()) - 1});
    }
    return nodes;
}

} // namespace tilvane

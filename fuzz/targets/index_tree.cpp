// The Index tab's tree from any text: one node per line, parents before their children, and
// every node exactly one level below its parent; read as targets, only ayat that exist.
#include "fuzz_support.h"

#include "core/quran/index_tree.h"
#include "core/quran/sura_table.h"

using namespace tilvane;
using tilvane::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const LineList lines = LineList::fromText(fuzz::asText(data, size));
    std::vector<IndexNode> nodes = parseIndexTree(lines);
    // The same text read as the targets beside the tree.
    attachIndexTargets(nodes, lines);
    require(nodes.size() == lines.size(), "one node per line");
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const IndexNode& node = nodes[i];
        require(node.parent >= -1 && node.parent < static_cast<int>(i), "a parent stands before its child");
        const int expectedDepth = node.parent < 0 ? 0 : nodes[static_cast<std::size_t>(node.parent)].depth + 1;
        require(node.depth == expectedDepth, "a node lies one level below its parent");
        require(node.text.size() <= lines.lines()[i].size(), "a node's text comes from its line");
        require(node.target == TQuranPos{} || globalAyaIndex(node.target.Sura, node.target.Aya) != 0,
                "a node leads nowhere or to an aya that exists");
    }
    return 0;
}

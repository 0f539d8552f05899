#include "core/quran/index_tree.h"

#include "core/quran/sura_table.h"

#include <algorithm>
#include <charconv>
#include <filesystem>

namespace tilvane {

std::vector<IndexNode> parseIndexTree(const LineList& lines)
{
    struct Open {
        std::size_t indent;
        int node;
    };
    std::vector<IndexNode> nodes;
    nodes.reserve(lines.size());
    // The chain of nodes the next line may be attached to, shallowest first.
    std::vector<Open> ancestors;
    for (const std::string& line : lines) {
        const std::size_t indent = std::min(line.find_first_not_of(" \t"), line.size());
        while (!ancestors.empty() && ancestors.back().indent >= indent)
            ancestors.pop_back();
        const int parent = ancestors.empty() ? -1 : ancestors.back().node;
        nodes.push_back(IndexNode{line.substr(indent), static_cast<int>(ancestors.size()), parent, {}});
        ancestors.push_back(Open{indent, static_cast<int>(nodes.size()) - 1});
    }
    return nodes;
}

namespace {

// A whole decimal number and nothing else, or 0.
int wholeNumber(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? value : 0;
}

TQuranPos targetOf(std::string_view line)
{
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos)
        return {};
    const int sura = wholeNumber(line.substr(0, colon));
    const int aya = wholeNumber(line.substr(colon + 1));
    return globalAyaIndex(sura, aya) == 0 ? TQuranPos{} : TQuranPos{sura, aya};
}

} // namespace

void attachIndexTargets(std::vector<IndexNode>& nodes, const LineList& targets)
{
    const std::size_t count = std::min(nodes.size(), targets.size());
    for (std::size_t i = 0; i < count; ++i)
        nodes[i].target = targetOf(targets.lines()[i]);
}

std::vector<IndexNode> loadIndexTree(const std::string& folder)
{
    std::vector<IndexNode> nodes = parseIndexTree(LineList::loadFromFile(folder + "ina_idx.txt"));
    // An archive made before the index led anywhere has no targets; its nodes stay inert.
    const std::string targets = folder + "ina_idx_pos.txt";
    if (std::filesystem::is_regular_file(targets))
        attachIndexTargets(nodes, LineList::loadFromFile(targets));
    return nodes;
}

std::string indexTargetText(const TQuranPos& target)
{
    if (globalAyaIndex(target.Sura, target.Aya) == 0)
        return {};
    std::string name = SuraLatinNames[static_cast<std::size_t>(target.Sura)];
    while (!name.empty() && name.back() == ' ')
        name.pop_back();
    return name + " " + std::to_string(target.Sura) + ":" + std::to_string(target.Aya);
}

} // namespace tilvane

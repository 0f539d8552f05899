#include "core/quran/contents_tree.h"
#include "core/quran/index_tree.h"

#include <gtest/gtest.h>

using namespace tilvane;

TEST(ContentsTree, HoldsA114SuraNodesWithThreeChildrenEach)
{
    const std::vector<TContentsSura> suras = contentsTree();
    ASSERT_EQ(suras.size(), 114u);
    std::size_t nodes = 0;
    for (std::size_t i = 0; i < suras.size(); ++i) {
        const int sura = static_cast<int>(i) + 1;
        EXPECT_EQ(suras[i].item.node.Sura, sura);
        ASSERT_EQ(suras[i].children.size(), 3u);
        const char* texts[] = {"Mukadimah", "Surat", "Penutup"};
        for (std::size_t c = 0; c < 3; ++c) {
            EXPECT_EQ(suras[i].children[c].text, texts[c]);
            EXPECT_EQ(suras[i].children[c].node.Sura, sura);
            EXPECT_EQ(suras[i].children[c].node.Kind, c + 1);
        }
        nodes += 1 + suras[i].children.size();
    }
    EXPECT_EQ(nodes, 456u);
}

TEST(ContentsTree, NodesCarryTheirTextsPageFilesAndImages)
{
    const std::vector<TContentsSura> suras = contentsTree();
    const TContentsSura& first = suras.front();
    EXPECT_EQ(first.item.text, "001. Al-Fatihah");
    EXPECT_EQ(first.item.node.Kind, kContentSura);
    EXPECT_EQ(first.item.node.PageFile, "-");
    EXPECT_EQ(first.item.stateImage, 1);
    EXPECT_EQ(first.item.selectedImage, 2);
    EXPECT_EQ(first.children[0].node.PageFile, "s001a.htm");
    EXPECT_EQ(first.children[0].stateImage, 3);
    EXPECT_EQ(first.children[1].node.PageFile, "[none]");
    EXPECT_EQ(first.children[1].stateImage, 4);
    EXPECT_EQ(first.children[2].node.PageFile, "s001z.htm");
    EXPECT_EQ(first.children[2].stateImage, 3);

    EXPECT_EQ(suras[99].item.text, "100. Al-'Aadiyaat ");
    EXPECT_EQ(suras[113].item.text, "114. An-Naas");
    EXPECT_EQ(suras[113].children[2].node.PageFile, "s114z.htm");
}

namespace {

struct ExpectedNode {
    std::string text;
    int depth;
    int parent;
};

struct IndexCase {
    const char* name;
    std::vector<std::string> lines;
    std::vector<ExpectedNode> expected;
};

} // namespace

TEST(IndexTree, DepthComesFromLeadingBlanksOrTabsAndDeepJumpsGoOneLevelOnly)
{
    const IndexCase cases[] = {
        {"tabs", {"Juz 1", "\tAl-Fatihah 1", "\tAl-Baqarah 1", "Juz 2"},
         {{"Juz 1", 0, -1}, {"Al-Fatihah 1", 1, 0}, {"Al-Baqarah 1", 1, 0}, {"Juz 2", 0, -1}}},
        {"blanks and a return two levels up", {"A", " B", "  C", "D"},
         {{"A", 0, -1}, {"B", 1, 0}, {"C", 2, 1}, {"D", 0, -1}}},
        {"mixed blank and tab", {"A", " \tB", "\t C"}, {{"A", 0, -1}, {"B", 1, 0}, {"C", 1, 0}}},
        {"jump of two levels", {"A", "\t\tB", "\t\tC", "\tD"},
         {{"A", 0, -1}, {"B", 1, 0}, {"C", 1, 0}, {"D", 1, 0}}},
        {"first line indented", {"\t\tA", "\tB", "\t\tC"}, {{"A", 0, -1}, {"B", 0, -1}, {"C", 1, 1}}},
        {"back to a middle level", {"A", "\tB", "\t\tC", "\tD", "\t\tE"},
         {{"A", 0, -1}, {"B", 1, 0}, {"C", 2, 1}, {"D", 1, 0}, {"E", 2, 3}}},
    };
    for (const IndexCase& c : cases) {
        const std::vector<IndexNode> nodes = parseIndexTree(LineList(c.lines));
        ASSERT_EQ(nodes.size(), c.expected.size()) << c.name;
        for (std::size_t i = 0; i < nodes.size(); ++i) {
            EXPECT_EQ(nodes[i].text, c.expected[i].text) << c.name << " line " << i;
            EXPECT_EQ(nodes[i].depth, c.expected[i].depth) << c.name << " line " << i;
            EXPECT_EQ(nodes[i].parent, c.expected[i].parent) << c.name << " line " << i;
        }
    }
}

// Targets come line by line from the file beside the tree; only an aya that exists counts.
TEST(IndexTree, TargetsLeadToExistingAyatOnlyAndShowWhereTheyLie)
{
    struct TargetCase {
        std::string line;
        TQuranPos target;
        std::string shown;
    };
    const TargetCase cases[] = {
        {"78:1", {78, 1}, "An-Naba' 78:1"},     {"100:11", {100, 11}, "Al-'Aadiyaat 100:11"},
        {"", {}, ""},                           {"2:287", {}, ""},
        {"115:1", {}, ""},                      {"0:1", {}, ""},
        {"7: 206", {}, ""},                     {"7:206x", {}, ""},
        {"-2:5", {}, ""},                       {"12", {}, ""},
    };
    std::vector<std::string> lines;
    std::vector<std::string> targets;
    for (const TargetCase& c : cases) {
        lines.push_back("node");
        targets.push_back(c.line);
    }
    lines.push_back("a node past the end of the targets");
    std::vector<IndexNode> nodes = parseIndexTree(LineList(lines));
    attachIndexTargets(nodes, LineList(targets));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(nodes[i].target, cases[i].target) << '"' << cases[i].line << '"';
        EXPECT_EQ(indexTargetText(nodes[i].target), cases[i].shown) << '"' << cases[i].line << '"';
    }
    EXPECT_EQ(nodes.back().target, TQuranPos{});
}

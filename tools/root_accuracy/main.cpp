// tilvane-root-accuracy [--app-dir DIR] [--reference DIR] [--misses N] [--alone]: compares the
// root derived for every word of the Arabic text (as search reads it, the whole text weighing
// each word's reading; with --alone each word read by itself) with an annotated corpus
// (root_lemma.tsv: sura:aya:word, root) and prints the share of words whose root is right, the
// aya-level recall and precision of root search over the most frequent roots, and the worst
// roots with words derived otherwise. Exits 0 with a message when the reference is absent.
#include "core/app/app_dirs.h"
#include "core/quran/sura_table.h"
#include "core/search/arabic_root.h"
#include "core/search/root_lexicon.h"
#include "core/search/search_sources.h"
#include "core/search/text_fold.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

using namespace tilvane;

namespace {

constexpr std::size_t kFrequentRoots = 300;
constexpr std::size_t kWorstShown = 12;

struct WordRoot {
    int aya = 0; // global index
    std::string word;
    std::string expected;
    std::string derived;
};

std::filesystem::path defaultReference()
{
    for (std::filesystem::path dir = TILVANE_SOURCE_DIR; !dir.empty() && dir != dir.root_path(); dir = dir.parent_path()) {
        const std::filesystem::path candidate = dir / "shared/reference/morphology";
        if (std::filesystem::exists(candidate / "root_lemma.tsv"))
            return candidate;
    }
    return {};
}

// The words of an aya as the corpus counts them: blank-separated, pause marks standing alone skipped.
std::vector<std::string> wordsOf(const std::string& aya)
{
    std::vector<std::string> words;
    std::istringstream in(aya);
    std::string word;
    while (in >> word) {
        if (!foldedWords(word).empty())
            words.push_back(word);
    }
    return words;
}

double ratio(std::size_t part, std::size_t whole)
{
    return whole == 0 ? 1.0 : static_cast<double>(part) / static_cast<double>(whole);
}

} // namespace

int main(int argc, char** argv)
{
    std::string appDir;
    std::size_t missesShown = 0;
    std::filesystem::path reference = defaultReference();
    bool alone = false;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        const bool valued = i + 1 < argc;
        if (option == "--alone")
            alone = true;
        else if (option == "--app-dir" && valued)
            appDir = argv[++i];
        else if (option == "--reference" && valued)
            reference = argv[++i];
        else if (option == "--misses" && valued)
            missesShown = std::stoul(argv[++i]);
    }
    const std::filesystem::path table = reference / "root_lemma.tsv";
    std::ifstream in(table);
    if (reference.empty() || !in) {
        std::cout << "root accuracy: skipped, no morphology reference (root_lemma.tsv) found\n";
        return 0;
    }
    InitAppDirsFromOption(appDir);
    // The Arabic text as search indexes it (each sura's first aya without the opening bismillah).
    const std::vector<std::string> lines = searchSources(archiveTexts()).front().ayaTexts();

    // The roots as search reads them: each word's reading chosen with the whole text's evidence,
    // or (--alone) each word read by itself.
    const RootLexicon lexicon = alone ? RootLexicon() : RootLexicon::derive(lines);

    std::vector<WordRoot> words;
    std::map<int, std::vector<std::string>> split;
    std::string line;
    std::getline(in, line); // header
    std::size_t misaligned = 0;
    while (std::getline(in, line)) {
        int sura = 0, aya = 0, word = 0;
        if (std::sscanf(line.c_str(), "%d:%d:%d", &sura, &aya, &word) < 3)
            continue;
        const std::size_t tab = line.find('\t');
        const std::size_t next = tab == std::string::npos ? std::string::npos : line.find('\t', tab + 1);
        const std::string root = tab == std::string::npos ? std::string() : line.substr(tab + 1, next - tab - 1);
        if (sura < 1 || sura > kSuraCount || aya < 1 || aya > SuraTable[sura].AyaCount)
            continue;
        const int global = SuraTable[sura].FirstAya + aya - 1;
        auto& ayaWords = split[global];
        if (ayaWords.empty())
            ayaWords = wordsOf(lines.at(static_cast<std::size_t>(global - 1)));
        if (word < 1 || word > static_cast<int>(ayaWords.size())) {
            ++misaligned;
            continue;
        }
        const std::string& written = ayaWords[static_cast<std::size_t>(word - 1)];
        words.push_back({global, written, root, lexicon.rootOf(written)});
    }

    std::size_t right = 0;
    std::map<std::string, std::set<int>> expectedAyat, derivedAyat;
    std::map<std::string, std::size_t> frequency;
    std::map<std::string, std::map<std::string, std::size_t>> confusions; // expected root: derived: count
    std::size_t withRoot = 0;
    for (const WordRoot& w : words) {
        // A word the corpus gives no root (a particle) counts only against the precision of
        // the root derived for it.
        derivedAyat[w.derived].insert(w.aya);
        if (w.expected.empty())
            continue;
        ++withRoot;
        right += w.derived == w.expected;
        expectedAyat[w.expected].insert(w.aya);
        ++frequency[w.expected];
        if (w.derived != w.expected)
            ++confusions[w.expected][w.derived.empty() ? "(none)" : w.derived];
    }
    // Every so many wrongly derived words, to see which rules fall short.
    std::size_t miss = 0;
    for (const WordRoot& w : words) {
        if (missesShown > 0 && !w.expected.empty() && w.derived != w.expected && miss++ % 37 == 0 && miss / 37 < missesShown)
            std::printf("%s\t%s\t%s\n", w.word.c_str(), w.expected.c_str(), w.derived.c_str());
    }
    std::vector<std::pair<std::size_t, std::string>> byFrequency;
    for (const auto& [root, count] : frequency)
        byFrequency.push_back({count, root});
    std::sort(byFrequency.rbegin(), byFrequency.rend());
    byFrequency.resize(std::min(byFrequency.size(), kFrequentRoots));

    struct RootScore {
        std::string root;
        double recall, precision;
    };
    std::vector<RootScore> scores;
    double recallSum = 0, precisionSum = 0;
    for (const auto& [count, root] : byFrequency) {
        const std::set<int>& expected = expectedAyat[root];
        const std::set<int>& derived = derivedAyat[root];
        std::vector<int> both;
        std::set_intersection(expected.begin(), expected.end(), derived.begin(), derived.end(), std::back_inserter(both));
        const RootScore score{root, ratio(both.size(), expected.size()), ratio(both.size(), derived.size())};
        recallSum += score.recall;
        precisionSum += score.precision;
        scores.push_back(score);
    }
    std::printf("root accuracy: %zu of %zu words with a root (%.1f %%)%s\n", right, withRoot,
                100.0 * ratio(right, withRoot),
                misaligned > 0 ? (" [" + std::to_string(misaligned) + " words not aligned]").c_str() : "");
    const double n = static_cast<double>(std::max<std::size_t>(1, scores.size()));
    std::printf("root search over the %zu most frequent roots: aya recall %.1f %%, aya precision %.1f %%\n",
                scores.size(), 100.0 * recallSum / n, 100.0 * precisionSum / n);
    std::sort(scores.begin(), scores.end(), [](const RootScore& a, const RootScore& b) {
        return std::min(a.recall, a.precision) < std::min(b.recall, b.precision);
    });
    std::printf("worst roots (recall, precision, most frequent other derivations):\n");
    for (std::size_t k = 0; k < std::min(kWorstShown, scores.size()); ++k) {
        std::vector<std::pair<std::size_t, std::string>> others;
        for (const auto& [derived, count] : confusions[scores[k].root])
            others.push_back({count, derived});
        std::sort(others.rbegin(), others.rend());
        std::string shown;
        for (std::size_t o = 0; o < std::min<std::size_t>(3, others.size()); ++o)
            shown += " " + others[o].second + "×" + std::to_string(others[o].first);
        std::printf("  %s  %.0f %%  %.0f %% %s\n", scores[k].root.c_str(), 100 * scores[k].recall,
                    100 * scores[k].precision, shown.c_str());
    }
    return 0;
}

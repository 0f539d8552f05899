// tilvane-tajweed-accuracy: how far the tajweed annotator agrees with published annotations of
// the same text: per rule precision and recall, and F1 over all letters. `--show RULE` lists
// the letters where the two differ, with their words, to be judged by the rules.
#include "reference_letters.h"

#include "core/app/app_dirs.h"
#include "core/quran/sura_table.h"
#include "core/search/search_sources.h"
#include "core/tajweed/tajweed_annotator.h"

#include <cstdio>
#include <exception>
#include <iostream>
#include <map>
#include <string>
#include <vector>

using namespace tilvane;
using namespace tilvane::accuracy;

namespace {

constexpr const char* kUsage = "usage: tilvane-tajweed-accuracy [--app-dir DIR] [--show RULE]";

struct Tally {
    std::size_t both = 0;
    std::size_t readerOnly = 0;
    std::size_t referenceOnly = 0;
};

double ratio(std::size_t part, std::size_t whole) { return whole == 0 ? 1.0 : static_cast<double>(part) / whole; }

double f1(const Tally& t)
{
    const double p = ratio(t.both, t.both + t.readerOnly);
    const double r = ratio(t.both, t.both + t.referenceOnly);
    return p + r == 0 ? 0 : 2 * p * r / (p + r);
}

// The published annotations leave out the first aya of every sura but 1 and 9.
bool isCovered(int globalAya)
{
    for (int sura = 2; sura <= kSuraCount; ++sura) {
        if (sura != 9 && SuraTable[static_cast<std::size_t>(sura)].FirstAya == globalAya)
            return false;
    }
    return true;
}

std::string suraAyaOf(int globalAya)
{
    for (int sura = 1; sura <= kSuraCount; ++sura) {
        const TSuraInfo& info = SuraTable[static_cast<std::size_t>(sura)];
        if (globalAya <= info.LastAya)
            return std::to_string(sura) + ":" + std::to_string(globalAya - info.FirstAya + 1);
    }
    return "?";
}

// The aya's text with the letter shown between brackets.
std::string letterInContext(const std::string& text, std::uint32_t letter)
{
    std::uint32_t index = 0;
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t length = 1;
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead >= 0xF0) length = 4; else if (lead >= 0xE0) length = 3; else if (lead >= 0xC0) length = 2;
        const std::string cp = text.substr(i, length);
        const bool base = cp == "\xD9\xB1" || (cp >= "\xD8\xA1" && cp <= "\xD9\x8A" && cp != "\xD9\x80" && length == 2);
        if (base) {
            if (index == letter) out += "[";
            if (index == letter + 1) out += "]";
            ++index;
        }
        out += cp;
        i += length;
    }
    return out;
}

void printTable(const std::map<TajweedRule, Tally>& tallies)
{
    Tally all;
    std::printf("%-22s %9s %9s %9s %9s %9s\n", "rule", "reference", "reader", "precision", "recall", "F1");
    for (TajweedRule rule : allTajweedRules()) {
        const auto found = tallies.find(rule);
        const Tally t = found == tallies.end() ? Tally{} : found->second;
        all.both += t.both;
        all.readerOnly += t.readerOnly;
        all.referenceOnly += t.referenceOnly;
        std::printf("%-22s %9zu %9zu %9.4f %9.4f %9.4f\n", std::string(tajweedRuleName(rule)).c_str(),
                    t.both + t.referenceOnly, t.both + t.readerOnly, ratio(t.both, t.both + t.readerOnly),
                    ratio(t.both, t.both + t.referenceOnly), f1(t));
    }
    std::printf("%-22s %9zu %9zu %9.4f %9.4f %9.4f\n", "overall", all.both + all.referenceOnly,
                all.both + all.readerOnly, ratio(all.both, all.both + all.readerOnly),
                ratio(all.both, all.both + all.referenceOnly), f1(all));
}

} // namespace

int main(int argc, char** argv)
{
    std::string appDir;
    std::optional<TajweedRule> show;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--app-dir" && i + 1 < argc) {
            appDir = argv[++i];
        } else if (arg == "--show" && i + 1 < argc && (show = tajweedRuleFromName(argv[++i]))) {
        } else {
            std::cerr << kUsage << '\n';
            return 2;
        }
    }
    const std::optional<std::string> referenceFile = findReferenceFile();
    if (!referenceFile) {
        std::cout << "tilvane-tajweed-accuracy: skipped: the reference annotations "
                     "(shared/reference/tajweed/tajweed_letters.tsv) are not in this workspace\n";
        return 0;
    }
    try {
        InitAppDirsFromOption(appDir);
        const ReferenceLetters reference = readReferenceLetters(*referenceFile);
        const LineList arabic = archiveTexts().arabic();
        const std::string& bismillah = arabic.lineOrEmpty(0);
        std::map<TajweedRule, Tally> tallies;
        for (int g = 1; g <= kAyaCount; ++g) {
            if (!isCovered(g))
                continue;
            const std::string text = ayaWithoutBismillah(arabic.lineOrEmpty(static_cast<std::size_t>(g) - 1), bismillah, g);
            ReferenceLetters reader;
            for (const TajweedLetter& letter : annotateTajweed(text))
                reader.emplace(g, letter.letterIndex, letter.rule);
            const auto first = reference.lower_bound({g, 0, TajweedRule::HamzatWasl});
            const auto last = reference.lower_bound({g + 1, 0, TajweedRule::HamzatWasl});
            const ReferenceLetters expected(first, last);
            for (const RuleLetter& l : reader) {
                const bool agreed = expected.count(l) != 0;
                (agreed ? tallies[std::get<2>(l)].both : tallies[std::get<2>(l)].readerOnly) += 1;
                if (!agreed && show == std::get<2>(l))
                    std::cout << "reader only\t" << suraAyaOf(g) << '\t' << std::get<1>(l) << '\t' << letterInContext(text, std::get<1>(l)) << '\n';
            }
            for (const RuleLetter& l : expected) {
                if (reader.count(l) == 0) {
                    tallies[std::get<2>(l)].referenceOnly += 1;
                    if (show == std::get<2>(l))
                        std::cout << "reference only\t" << suraAyaOf(g) << '\t' << std::get<1>(l) << '\t' << letterInContext(text, std::get<1>(l)) << '\n';
                }
            }
        }
        printTable(tallies);
    } catch (const std::exception& error) {
        std::cerr << "tilvane-tajweed-accuracy: " << error.what() << '\n';
        return 1;
    }
    return 0;
}

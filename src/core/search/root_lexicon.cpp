#include "core/search/root_lexicon.h"

#include "core/search/arabic_letters.h"
#include "core/search/arabic_root.h"
#include "core/search/indexed_words.h"
#include "core/search/text_fold.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tilvane {

namespace {

// How much the evidence of other words weighs against a reading's own penalty.
constexpr double kEvidenceWeight = 0.6;
// Readings further than this from a word's likeliest are never taken, however attested.
constexpr double kFurthestReading = 0.7;
// The choices settle after a few rounds of counting the roots the others chose.
constexpr int kRounds = 3;
// A reading ahead of the next by this much is sure.
constexpr double kSureGap = 0.5;

// A reading whose weak radical is only guessed tells little about which one the root has.
constexpr double kGuessedEvidence = 0.75;
constexpr double kGuessedVote = 0.05;

struct WordReadings {
    std::vector<RootCandidate> candidates;
    const RootCandidate* chosen = nullptr;
    double weight = 0; // what the word's reading attests of its root
};

double evidenceOf(const RootCandidate& reading)
{
    return (reading.guessed & kAllGuessed) != 0 ? kGuessedEvidence : 1.0;
}

bool isWeak(char32_t c)
{
    return c == U'\u064A' || c == U'\u0648';
}

// A root with its و and ي made one: the words of قول and قيل alike.
std::u32string weakSkeleton(std::u32string letters)
{
    for (char32_t& c : letters) {
        if (isWeak(c))
            c = U'\u0648';
    }
    return letters;
}

// Whether a weak radical is و or ي, words that write it tell; where a word only guesses it (قَالَ،
// دَعَا، نَجَّيۡنَا) it takes what the words of the same letters write most in that place.
void settleWeakRadicals(std::unordered_map<std::string, WordReadings>& words)
{
    constexpr std::size_t kPlaces = 3;
    struct Tally {
        double waw[kPlaces] = {};
        double ya[kPlaces] = {};
    };
    std::unordered_map<std::u32string, Tally> votes; // by skeleton
    for (const auto& [written, readings] : words) {
        if (readings.chosen == nullptr || (readings.chosen->guessed & kListed) != 0)
            continue;
        const std::u32string letters = rootLetters(readings.chosen->root);
        Tally& tally = votes[weakSkeleton(letters)];
        for (std::size_t k = 0; k < std::min(kPlaces, letters.size()); ++k) {
            const double vote = (readings.chosen->guessed & (1u << k)) != 0 ? kGuessedVote : 1.0;
            (letters[k] == U'\u0648' ? tally.waw : tally.ya)[k] += isWeak(letters[k]) ? vote : 0.0;
        }
    }
    auto support = [&](const std::u32string& letters, unsigned guessed) {
        const Tally& tally = votes[weakSkeleton(letters)];
        double sum = 0;
        for (std::size_t k = 0; k < std::min(kPlaces, letters.size()); ++k) {
            if ((guessed & (1u << k)) != 0 && isWeak(letters[k]))
                sum += letters[k] == U'\u0648' ? tally.waw[k] - tally.ya[k] : tally.ya[k] - tally.waw[k];
        }
        return sum;
    };
    for (auto& [written, readings] : words) {
        if (readings.chosen == nullptr || (readings.chosen->guessed & kAllGuessed) == 0)
            continue;
        const std::u32string chosen = rootLetters(readings.chosen->root);
        const unsigned guessed = readings.chosen->guessed;
        double most = support(chosen, guessed);
        for (const RootCandidate& candidate : readings.candidates) {
            const std::u32string letters = rootLetters(candidate.root);
            if (letters.size() != chosen.size() || weakSkeleton(letters) != weakSkeleton(chosen))
                continue;
            // Only the guessed radicals may change.
            bool keepsWritten = true;
            for (std::size_t k = 0; k < letters.size(); ++k)
                keepsWritten = keepsWritten && (letters[k] == chosen[k] || (k < kPlaces && (guessed & (1u << k)) != 0));
            if (!keepsWritten)
                continue;
            if (const double votes = support(letters, guessed); votes > most) {
                most = votes;
                readings.chosen = &candidate;
            }
        }
    }
}

} // namespace

RootLexicon::RootLexicon(Roots roots) : m_roots(std::move(roots))
{
}

RootLexicon RootLexicon::derive(const std::vector<std::string>& texts)
{
    std::unordered_map<std::string, WordReadings> words;
    for (const std::string& text : texts) {
        forEachWord(text, [&](const FoldedWord& word) {
            if (!word.arabic || !word.vowelled)
                return;
            const std::string written = wordAsWritten(std::string_view(text).substr(word.begin, word.end - word.begin));
            auto [entry, added] = words.try_emplace(written);
            if (added)
                entry->second.candidates = rootCandidates(written);
        });
    }
    // Round 0 reads each word alone; each later one weighs the readings with what the words
    // read surely in the round before attest.
    std::unordered_map<std::string, double> support;
    for (int round = 0; round <= kRounds; ++round) {
        std::unordered_map<std::string, double> next;
        for (auto& [written, readings] : words) {
            if (readings.candidates.empty())
                continue;
            const double likeliest = readings.candidates.front().penalty;
            double best = std::numeric_limits<double>::max();
            double second = std::numeric_limits<double>::max();
            const RootCandidate* chosen = nullptr;
            for (const RootCandidate& candidate : readings.candidates) {
                if (candidate.penalty > likeliest + kFurthestReading)
                    break;
                const auto found = support.find(candidate.root);
                double others = found == support.end() ? 0 : found->second;
                if (&candidate == readings.chosen)
                    others -= readings.weight; // a word is no evidence for itself
                const double score = candidate.penalty - kEvidenceWeight * std::log1p(std::max(0.0, others));
                if (score < best) {
                    second = best;
                    best = score;
                    chosen = &candidate;
                } else if (score < second) {
                    second = score;
                }
            }
            readings.chosen = chosen;
            // A word read one way far ahead of any other attests its root; one read as easily
            // another way attests neither.
            const double sureness = std::min(1.0, (second - best) / kSureGap);
            readings.weight = sureness * evidenceOf(*chosen);
            next[chosen->root] += readings.weight;
        }
        support = std::move(next);
    }
    settleWeakRadicals(words);
    Roots roots;
    for (auto& [written, readings] : words)
        roots.emplace(written, readings.chosen == nullptr ? std::string() : readings.chosen->root);
    return RootLexicon(std::move(roots));
}

std::string RootLexicon::rootOf(std::string_view written) const
{
    if (const auto found = m_roots.find(written); found != m_roots.end())
        return found->second;
    const std::string key = wordAsWritten(written);
    if (const auto found = m_roots.find(key); found != m_roots.end())
        return found->second;
    return arabicRoot(key);
}

} // namespace tilvane

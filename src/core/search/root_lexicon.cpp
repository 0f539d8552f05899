#include "core/search/root_lexicon.h"

#include "core/search/arabic_root.h"
#include "core/search/indexed_words.h"
#include "core/search/text_fold.h"

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

// A reading whose weak radical is only guessed tells little about which one the root has.
constexpr double kGuessedEvidence = 0.25;

struct WordReadings {
    std::vector<RootCandidate> candidates;
    const RootCandidate* chosen = nullptr;
};

double evidenceOf(const RootCandidate& reading)
{
    return reading.guessed ? kGuessedEvidence : 1.0;
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
            if (added) {
                entry->second.candidates = rootCandidates(written);
                if (!entry->second.candidates.empty())
                    entry->second.chosen = &entry->second.candidates.front();
            }
        });
    }
    for (int round = 0; round < kRounds; ++round) {
        // How many different words read as each root.
        std::unordered_map<std::string, double> support;
        for (const auto& [written, readings] : words) {
            if (readings.chosen != nullptr)
                support[readings.chosen->root] += evidenceOf(*readings.chosen);
        }
        for (auto& [written, readings] : words) {
            if (readings.candidates.empty())
                continue;
            const double likeliest = readings.candidates.front().penalty;
            double best = std::numeric_limits<double>::max();
            const RootCandidate* chosen = nullptr;
            for (const RootCandidate& candidate : readings.candidates) {
                if (candidate.penalty > likeliest + kFurthestReading)
                    break;
                const auto found = support.find(candidate.root);
                double others = found == support.end() ? 0 : found->second;
                if (&candidate == readings.chosen)
                    others -= evidenceOf(candidate); // a word is no evidence for itself
                const double score = candidate.penalty - kEvidenceWeight * std::log1p(std::max(0.0, others));
                if (score < best) {
                    best = score;
                    chosen = &candidate;
                }
            }
            readings.chosen = chosen;
        }
    }
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

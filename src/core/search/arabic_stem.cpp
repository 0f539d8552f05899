#include "core/search/arabic_stem.h"

#include "core/search/text_fold.h"

namespace tilvane {

namespace {

constexpr char32_t kAlif = U'\u0627';
constexpr char32_t kWaw = U'\u0648';
constexpr char32_t kLam = U'\u0644';
constexpr char32_t kKaf = U'\u0643';

} // namespace

std::string arabicStem(std::string_view folded)
{
    std::u32string letters;
    for (std::size_t i = 0; i < folded.size();)
        letters += nextCodePoint(folded, i);
    std::u32string stem = letters;
    for (char32_t conjunction : {kWaw, U'\u0641'}) {
        if (stem.size() > 3 && stem[0] == conjunction)
            stem.erase(0, 1);
    }
    for (char32_t preposition : {U'\u0628', kKaf, kLam}) {
        if (stem.size() > 3 && stem[0] == preposition) {
            stem.erase(0, 1);
            if (preposition == kLam && stem.size() > 3 && stem[0] == kLam)
                stem.erase(0, 1); // لل: ل before the article, whose alif falls away
            break;
        }
    }
    if (stem.size() > 4 && stem[0] == kAlif && stem[1] == kLam)
        stem.erase(0, 2);
    for (const std::u32string& pronoun :
         {std::u32string(U"\u0647\u0645\u0627"), std::u32string(U"\u0643\u0645\u0627"), std::u32string(U"\u0647\u0645"),
          std::u32string(U"\u0643\u0645"), std::u32string(U"\u0647\u0646"), std::u32string(U"\u0643\u0646"),
          std::u32string(U"\u0646\u0627"), std::u32string(U"\u0647\u0627"), std::u32string(U"\u0646\u064A"),
          std::u32string(U"\u0647"), std::u32string(U"\u0643"), std::u32string(U"\u064A")}) {
        const std::size_t keep = pronoun.size() == 1 ? 3 : 2;
        if (stem.size() >= pronoun.size() + keep && stem.ends_with(pronoun)) {
            stem.erase(stem.size() - pronoun.size());
            break;
        }
    }
    std::string out;
    for (char32_t c : stem)
        appendUtf8(out, c);
    return out;
}

} // namespace tilvane

#include "core/search/latin_spelling.h"

#include "core/search/text_fold.h"

#include <algorithm>

namespace tilvane {

namespace {

bool isVowel(char c)
{
    return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u';
}

// The consonant pairs that stand for one Arabic letter, each as the letter most writers use.
std::string foldConsonants(std::string_view word)
{
    std::string out;
    out.reserve(word.size());
    for (std::size_t i = 0; i < word.size(); ++i) {
        const char c = word[i];
        const char next = i + 1 < word.size() ? word[i + 1] : '\0';
        if ((c == 's' && (next == 'y' || next == 'h')) || (c == 't' && (next == 's' || next == 'h'))) {
            out += 's';
            ++i;
        } else if (c == 'd' && (next == 'z' || next == 'h')) {
            out += 'z';
            ++i;
        } else if (c == 'k' && next == 'h') {
            out += 'h';
            ++i;
        } else {
            out += c == 'q' ? 'k' : c;
        }
    }
    return out;
}

std::string withoutDoubledVowels(const std::string& word)
{
    std::string out;
    out.reserve(word.size());
    for (char c : word) {
        if (!(isVowel(c) && !out.empty() && out.back() == c))
            out += c;
    }
    return out;
}

constexpr std::size_t kMaxVariants = 8;

} // namespace

// One pass of what foldConsonants, o as u and withoutDoubledVowels do in turn: every word of
// every text read goes through here.
void foldLatinSpellingInto(std::string_view word, std::string& out)
{
    // Never longer than the word: written in place, then cut to length.
    out.resize(word.size());
    std::size_t length = 0;
    const auto put = [&out, &length](char c) {
        if (!(isVowel(c) && length > 0 && out[length - 1] == c))
            out[length++] = c;
    };
    for (std::size_t i = 0; i < word.size(); ++i) {
        const char c = word[i];
        const char next = i + 1 < word.size() ? word[i + 1] : '\0';
        if ((c == 's' && (next == 'y' || next == 'h')) || (c == 't' && (next == 's' || next == 'h'))) {
            put('s');
            ++i;
        } else if (c == 'd' && (next == 'z' || next == 'h')) {
            put('z');
            ++i;
        } else if (c == 'k' && next == 'h') {
            put('h');
            ++i;
        } else {
            put(c == 'q' ? 'k' : c == 'o' ? 'u' : c);
        }
    }
    out.resize(length);
}

std::string foldLatinSpelling(std::string_view word)
{
    std::string out;
    foldLatinSpellingInto(word, out);
    return out;
}

std::vector<std::string> latinQueryVariants(std::string_view word)
{
    const std::string consonants = foldConsonants(word);
    std::vector<std::string> spellings{""};
    for (char c : consonants) {
        std::vector<std::string> next;
        std::string choices(1, c == 'o' ? 'u' : c);
        if (c == 'o' || c == 'e')
            choices += 'a';
        for (const std::string& start : spellings) {
            for (char choice : choices) {
                if (next.size() < kMaxVariants)
                    next.push_back(start + choice);
            }
        }
        spellings = std::move(next);
    }
    std::vector<std::string> variants;
    for (const std::string& spelling : spellings) {
        std::string folded = withoutDoubledVowels(spelling);
        if (std::find(variants.begin(), variants.end(), folded) == variants.end())
            variants.push_back(std::move(folded));
    }
    return variants;
}

bool joinsWithNextWord(std::string_view article, std::string_view next)
{
    if (next.empty() || !std::all_of(next.begin(), next.end(), [](char c) { return c >= 'a' && c <= 'z'; }))
        return false;
    if (article == "al")
        return true;
    // The article before a "sun letter" is written as that letter: ar-rahman, an-nas.
    return article.size() == 2 && article[0] == 'a' && std::string_view("nrstdz").find(article[1]) != std::string_view::npos
        && next[0] == article[1];
}

std::string nameKey(std::string_view name)
{
    std::string letters;
    for (const FoldedWord& word : foldedWords(name))
        letters += word.folded;
    std::string key;
    for (char c : letters) {
        if (key.empty() || key.back() != c)
            key += c;
    }
    // The article, whether written al, an, ar … (its letter then stands doubled, already single).
    if (key.size() > 4 && key.starts_with("al"))
        key.erase(0, 2);
    else if (key.size() > 4 && key[0] == 'a' && letters.size() > 2 && letters[1] == letters[2]
             && std::string_view("nrstdz").find(letters[1]) != std::string_view::npos)
        key.erase(0, 1);
    return key;
}

std::size_t editDistance(std::string_view a, std::string_view b, std::size_t limit)
{
    if (a.size() > b.size() + limit || b.size() > a.size() + limit)
        return limit + 1;
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        std::size_t best = row[0];
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
            best = std::min(best, row[j]);
        }
        if (best > limit)
            return limit + 1;
    }
    return std::min(row[b.size()], limit + 1);
}

} // namespace tilvane

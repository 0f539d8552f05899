#include "core/search/search_query.h"

#include "core/search/arabic_root.h"
#include "core/search/arabic_stem.h"
#include "core/search/indexed_words.h"
#include "core/search/root_lexicon.h"
#include "core/search/latin_spelling.h"
#include "core/search/text_fold.h"

#include <algorithm>
#include <functional>

namespace tilvane {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// What the user typed, one entry per blank-separated word or quoted phrase.
struct TypedPart {
    std::vector<FoldedWord> words;
    bool quoted = false;
};

std::vector<TypedPart> typedParts(std::string_view query)
{
    std::vector<TypedPart> parts;
    bool quoted = false;
    std::size_t i = 0;
    while (i < query.size()) {
        if (query[i] == '"') {
            quoted = !quoted;
            ++i;
            continue;
        }
        std::size_t end = i;
        if (quoted) {
            end = query.find('"', i);
            if (end == std::string_view::npos)
                end = query.size();
        } else {
            while (end < query.size() && !isBlank(query[end]) && query[end] != '"')
                ++end;
        }
        if (std::vector<FoldedWord> words = foldedWords(query.substr(i, end - i)); !words.empty())
            parts.push_back({std::move(words), quoted});
        i = std::max(end, i + 1);
    }
    return parts;
}

// "al-kahfi", "al kahfi" and "alkahfi" are one word, as the index holds them.
void joinArticles(std::vector<FoldedWord>& words)
{
    for (std::size_t k = 0; k + 1 < words.size(); ++k) {
        if (words[k].latin && words[k + 1].latin && joinsWithNextWord(words[k].folded, words[k + 1].folded)) {
            words[k + 1].folded.insert(0, words[k].folded);
            words[k + 1].plain.insert(0, words[k].plain);
            words.erase(words.begin() + static_cast<std::ptrdiff_t>(k));
        }
    }
}

void addTerm(std::vector<QueryTerm>& terms, const std::vector<FoldedWord>& words, bool quoted)
{
    QueryTerm term;
    for (const FoldedWord& word : words)
        term.tokens.push_back(word.folded);
    term.phrase = quoted || term.tokens.size() > 1;
    // A long query repeats its words: each is looked at once.
    const bool known = std::any_of(terms.begin(), terms.end(), [&](const QueryTerm& other) {
        return other.tokens == term.tokens && other.phrase == term.phrase;
    });
    if (known)
        return;
    if (!term.phrase && words.front().latin)
        term.spellings = latinQueryVariants(words.front().plain);
    else
        term.spellings = {term.tokens.front()};
    terms.push_back(std::move(term));
}

void checkTermCount(const std::vector<QueryTerm>& terms)
{
    if (terms.size() > kMaxQueryTerms)
        throw SearchQueryError("The query has " + std::to_string(terms.size()) + " different words; search takes at most "
                               + std::to_string(kMaxQueryTerms) + ".");
}

QueryTerm markedTerm(const std::string& marker, const std::string& letters)
{
    QueryTerm term;
    term.tokens = {marker + letters};
    term.spellings = term.tokens;
    term.marked = true;
    return term;
}

} // namespace

std::vector<QueryTerm> parseQuery(std::string_view query)
{
    std::vector<TypedPart> parts = typedParts(query);
    // An article typed as a word of its own joins the next unquoted word.
    for (std::size_t k = 0; k + 1 < parts.size(); ++k) {
        TypedPart& part = parts[k];
        TypedPart& next = parts[k + 1];
        if (!part.quoted && !next.quoted && part.words.size() == 1) {
            std::vector<FoldedWord> joined = part.words;
            joined.push_back(next.words.front());
            joinArticles(joined);
            if (joined.size() == 1) {
                next.words.front() = joined.front();
                part.words.clear();
            }
        }
    }
    std::vector<QueryTerm> terms;
    for (TypedPart& part : parts) {
        joinArticles(part.words);
        if (!part.words.empty())
            addTerm(terms, part.words, part.quoted);
    }
    checkTermCount(terms);
    return terms;
}

std::vector<QueryTerm> parseRootQuery(std::string_view query)
{
    const std::vector<FoldedWord> words = foldedWords(query);
    std::vector<std::string> roots;
    // Letters typed apart ("ص ب ر") spell one root.
    const bool spelled = words.size() > 1
        && std::all_of(words.begin(), words.end(), [](const FoldedWord& word) { return codePointCount(word.folded) == 1; });
    if (spelled) {
        std::string root;
        for (const FoldedWord& word : words)
            root += word.folded;
        roots.push_back(root);
    } else {
        for (const FoldedWord& word : words)
            roots.push_back(word.folded);
    }
    std::vector<QueryTerm> terms;
    for (const std::string& typed : roots) {
        const std::string root = rootOfTypedLetters(typed);
        if (root.empty())
            throw SearchQueryError("\"" + typed + "\" is not a root: type its two to four Arabic letters, such as صبر or ص ب ر.");
        if (std::none_of(terms.begin(), terms.end(), [&](const QueryTerm& t) { return t.tokens.front() == kRootMarker + root; }))
            terms.push_back(markedTerm(kRootMarker, root));
    }
    checkTermCount(terms);
    return terms;
}

std::vector<QueryTerm> parseStemQuery(std::string_view query)
{
    std::vector<QueryTerm> terms;
    for (const FoldedWord& word : foldedWords(query)) {
        const std::string stem = arabicStem(word.folded);
        const std::string token = kStemMarker + (stem.empty() ? word.folded : stem);
        if (std::none_of(terms.begin(), terms.end(), [&](const QueryTerm& t) { return t.tokens.front() == token; }))
            terms.push_back(markedTerm(kStemMarker, token.substr(std::string_view(kStemMarker).size())));
    }
    checkTermCount(terms);
    return terms;
}

bool isSingleLetterQuery(const std::vector<QueryTerm>& terms)
{
    return !terms.empty() && std::all_of(terms.begin(), terms.end(), [](const QueryTerm& term) {
        return std::all_of(term.tokens.begin(), term.tokens.end(),
                           [](const std::string& token) { return codePointCount(token) == 1; });
    });
}

bool tokenMatches(const std::string& token, const std::string& wordForm, bool wholeWord)
{
    if (wholeWord || isMarkedToken(token))
        return wordForm == token;
    if (isMarkedToken(wordForm))
        return false;
    if (codePointCount(token) == 1)
        return wordForm.starts_with(token);
    return wordForm.find(token) != std::string::npos;
}

std::size_t termMatchAt(const QueryTerm& term, const std::string& wordForm, bool wholeWord)
{
    std::size_t best = std::string::npos;
    for (const std::string& spelling : term.spellings) {
        if (tokenMatches(spelling, wordForm, wholeWord))
            best = std::min(best, wholeWord || term.marked ? 0 : wordForm.find(spelling));
    }
    return best;
}

namespace {

// Every token each word of a text is indexed under, the folded one first, in one list:
// word k's forms stand from starts[k] to starts[k + 1]. The same forms also stand in two
// texts, each form between newlines (forms hold none): one search of such a text asks every
// word at once whether it holds a token, which is what a row check does most.
struct TextForms {
    std::vector<std::string> forms;
    std::vector<std::size_t> starts;
    std::string plainLines = "\n"; // the forms that are words, not root or stem tokens
    std::string allLines = "\n";
    std::size_t words() const { return starts.size() - 1; }
};

// Without phrases to find, the forms are only wanted in the two texts.
TextForms indexedForms(std::string_view text, bool keepWords, const RootLexicon* roots)
{
    TextForms indexed;
    auto add = [&indexed, keepWords](const std::string& form) {
        if (keepWords)
            indexed.forms.push_back(form);
        (isMarkedToken(form) ? indexed.allLines : indexed.plainLines).append(form).push_back('\n');
    };
    forEachIndexedWord(text, [&](const FoldedWord& word, const std::vector<std::string>& others) {
        indexed.starts.push_back(indexed.forms.size());
        add(word.folded);
        for (const std::string& other : others)
            add(other);
    }, roots);
    indexed.starts.push_back(indexed.forms.size());
    indexed.allLines.append(indexed.plainLines, 1);
    return indexed;
}

// tokenMatches against every word of the text at once.
bool linesHoldToken(const TextForms& text, const std::string& token, bool wholeWord)
{
    if (wholeWord || isMarkedToken(token))
        return text.allLines.find("\n" + token + "\n") != std::string::npos;
    if (codePointCount(token) == 1)
        return text.plainLines.find("\n" + token) != std::string::npos;
    return text.plainLines.find(token) != std::string::npos;
}

bool wordsHoldTerm(const TextForms& text, const QueryTerm& term, bool wholeWord)
{
    if (!term.phrase) {
        return std::any_of(term.spellings.begin(), term.spellings.end(),
                           [&](const std::string& spelling) { return linesHoldToken(text, spelling, wholeWord); });
    }
    const std::size_t length = term.tokens.size();
    for (std::size_t start = 0; start + length <= text.words(); ++start) {
        bool held = true;
        for (std::size_t k = 0; k < length && held; ++k) {
            const std::string& token = term.tokens[k];
            const bool prefix = !wholeWord && k + 1 == length;
            const auto first = text.forms.begin() + static_cast<std::ptrdiff_t>(text.starts[start + k]);
            const auto last = text.forms.begin() + static_cast<std::ptrdiff_t>(text.starts[start + k + 1]);
            held = std::any_of(first, last, [&](const std::string& form) { return prefix ? form.starts_with(token) : form == token; });
        }
        if (held)
            return true;
    }
    return false;
}

} // namespace

bool textHoldsTerms(std::string_view text, const std::vector<const QueryTerm*>& terms, bool wholeWord,
                    const RootLexicon* roots)
{
    const bool phrases = std::any_of(terms.begin(), terms.end(), [](const QueryTerm* term) { return term->phrase; });
    const TextForms words = indexedForms(text, phrases, roots);
    return std::all_of(terms.begin(), terms.end(),
                       [&](const QueryTerm* term) { return wordsHoldTerm(words, *term, wholeWord); });
}

namespace {

// Whether a word carries Arabic vowel marks (U+064B..U+0652), as the vowelled Quran text does.
bool hasVowelMarks(std::string_view word)
{
    for (std::size_t i = 0; i + 1 < word.size(); ++i) {
        const auto lead = static_cast<unsigned char>(word[i]);
        const auto next = static_cast<unsigned char>(word[i + 1]);
        if (lead == 0xD9 && next >= 0x8B && next <= 0x92)
            return true;
    }
    return false;
}

} // namespace

std::vector<TextMark> matchMarks(std::string_view text, const std::vector<QueryTerm>& terms, bool wholeWord,
                                 const RootLexicon* roots)
{
    std::vector<TextMark> marks;
    // Roots alone need no other spellings: each word's root is enough (and quick to find).
    const bool rootsOnly = !terms.empty() && std::all_of(terms.begin(), terms.end(), [](const QueryTerm& term) {
        return term.marked && term.tokens.front().starts_with(kRootMarker);
    });
    if (rootsOnly) {
        // The Quran text separates its words with blanks; each is looked up as written.
        std::size_t begin = 0;
        while (begin < text.size()) {
            std::size_t end = text.find(' ', begin);
            if (end == std::string_view::npos)
                end = text.size();
            const std::string_view word = text.substr(begin, end - begin);
            if (hasVowelMarks(word)) {
                const std::string token = kRootMarker + (roots ? roots->rootOf(word) : arabicRoot(word));
                if (std::any_of(terms.begin(), terms.end(), [&](const QueryTerm& term) { return term.tokens.front() == token; }))
                    marks.push_back({begin, end});
            }
            begin = end + 1;
        }
        return marks;
    }
    forEachIndexedWord(text, [&](const FoldedWord& word, const std::vector<std::string>& others) {
        std::vector<std::string> forms = others;
        forms.push_back(word.folded);
        const bool matched = std::any_of(terms.begin(), terms.end(), [&](const QueryTerm& term) {
            return std::any_of(forms.begin(), forms.end(), [&](const std::string& form) {
                if (!term.phrase)
                    return termMatchAt(term, form, wholeWord) != std::string::npos;
                return std::any_of(term.tokens.begin(), term.tokens.end(),
                                   [&](const std::string& token) { return tokenMatches(token, form, wholeWord); });
            });
        });
        if (matched)
            marks.push_back({word.begin, word.end});
    }, roots);
    return marks;
}

} // namespace tilvane

#include "core/search/search_query.h"

#include "core/search/text_fold.h"

#include <algorithm>
#include <functional>

namespace tilvane {

namespace {

void addTerm(std::vector<QueryTerm>& terms, std::string_view text, bool quoted)
{
    QueryTerm term;
    for (FoldedWord& word : foldedWords(text))
        term.tokens.push_back(std::move(word.folded));
    if (term.tokens.empty())
        return;
    term.phrase = quoted || term.tokens.size() > 1;
    terms.push_back(std::move(term));
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

} // namespace

std::vector<QueryTerm> parseQuery(std::string_view query)
{
    std::vector<QueryTerm> terms;
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
        addTerm(terms, query.substr(i, end - i), quoted);
        i = std::max(end, i + 1);
    }
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
    if (wholeWord)
        return wordForm == token;
    if (codePointCount(token) == 1)
        return wordForm.starts_with(token);
    return wordForm.find(token) != std::string::npos;
}

namespace {

// Every spelling each word of text is indexed under, the folded one first.
std::vector<std::vector<std::string>> indexedForms(std::string_view text)
{
    std::vector<std::vector<std::string>> words;
    forEachWord(text, [&](const FoldedWord& word) {
        std::vector<std::string> forms{word.folded};
        for (std::string& spelling : alternativeSpellings(text, word))
            forms.push_back(std::move(spelling));
        words.push_back(std::move(forms));
    });
    return words;
}

bool anyForm(const std::vector<std::string>& forms, const std::function<bool(const std::string&)>& test)
{
    return std::any_of(forms.begin(), forms.end(), test);
}

} // namespace

bool textHoldsTerm(std::string_view text, const QueryTerm& term, bool wholeWord)
{
    const std::vector<std::vector<std::string>> words = indexedForms(text);
    if (!term.phrase) {
        return std::any_of(words.begin(), words.end(), [&](const std::vector<std::string>& forms) {
            return anyForm(forms, [&](const std::string& form) { return tokenMatches(term.tokens.front(), form, wholeWord); });
        });
    }
    const std::size_t length = term.tokens.size();
    for (std::size_t start = 0; start + length <= words.size(); ++start) {
        bool held = true;
        for (std::size_t k = 0; k < length && held; ++k) {
            const std::string& token = term.tokens[k];
            const bool prefix = !wholeWord && k + 1 == length;
            held = anyForm(words[start + k],
                           [&](const std::string& form) { return prefix ? form.starts_with(token) : form == token; });
        }
        if (held)
            return true;
    }
    return false;
}

std::vector<TextMark> matchMarks(std::string_view text, const std::vector<QueryTerm>& terms, bool wholeWord)
{
    std::vector<TextMark> marks;
    for (const FoldedWord& word : foldedWords(text)) {
        std::vector<std::string> forms = alternativeSpellings(text, word);
        forms.push_back(word.folded);
        const bool matched = std::any_of(terms.begin(), terms.end(), [&](const QueryTerm& term) {
            return std::any_of(term.tokens.begin(), term.tokens.end(), [&](const std::string& token) {
                return std::any_of(forms.begin(), forms.end(),
                                   [&](const std::string& form) { return tokenMatches(token, form, wholeWord); });
            });
        });
        if (matched)
            marks.push_back({word.begin, word.end});
    }
    return marks;
}

} // namespace tilvane

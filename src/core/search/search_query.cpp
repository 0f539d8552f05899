#include "core/search/search_query.h"

#include "core/search/text_fold.h"

#include <algorithm>

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

#pragma once

#include "core/base/errors.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tilvane {

class RootLexicon;

// One part of a query: a single word, or words that must stand together in this order (a
// quoted phrase, or one typed word that folds into several, like "ar-rahman").
struct QueryTerm {
    std::vector<std::string> tokens; // folded, never empty
    bool phrase = false;
    // The spellings a single Latin word may stand for (latinQueryVariants), tokens[0] first;
    // otherwise just tokens[0].
    std::vector<std::string> spellings;
    // A root or stem token: matched as a whole token only.
    bool marked = false;
};

// More different words than this make no sensible query and would cost seconds each.
inline constexpr std::size_t kMaxQueryTerms = 32;

// A query that cannot be asked, with a message for the user.
class SearchQueryError : public TilvaneError {
public:
    using TilvaneError::TilvaneError;
};

// The terms of what the user typed: blank-separated words and "quoted phrases" (an
// unclosed quote runs to the end), each different term once; a Latin article and the word
// after it are one word. A query of only blanks, marks or punctuation has none. Throws
// SearchQueryError for more than kMaxQueryTerms different terms.
std::vector<QueryTerm> parseQuery(std::string_view query);
// The terms of a root query ("صبر", "ص ب ر", or several roots) or a stem query (each word
// by its stem), as marked tokens. Throws SearchQueryError for a root that is not 2–4 letters.
std::vector<QueryTerm> parseRootQuery(std::string_view query);
std::vector<QueryTerm> parseStemQuery(std::string_view query);

// A query whose every word is a single letter finds so much that its results are capped.
bool isSingleLetterQuery(const std::vector<QueryTerm>& terms);

// Whether a folded word (or one of its other spellings) matches a folded query token: the
// same word when whole words are asked for, otherwise a part of it (a single letter: its
// start, as one typed letter begins a word).
bool tokenMatches(const std::string& token, const std::string& wordForm, bool wholeWord);
// The same for a term of one word, in any of its spellings; where in the form it matched
// (0 at its start), or npos.
std::size_t termMatchAt(const QueryTerm& term, const std::string& wordForm, bool wholeWord);

// Whether the words of text hold the terms, as the index finds them: a word of the term in any
// of the text's words, a phrase in consecutive words (whole words; in any-part mode the last
// one may be the start of a word).
// Holding every one of several terms, its words are read once for all; roots, when given, are
// the roots the index read the Arabic words as.
bool textHoldsTerms(std::string_view text, const std::vector<const QueryTerm*>& terms, bool wholeWord,
                    const RootLexicon* roots = nullptr);

// The byte ranges of the words in text that match a token of the query, for highlighting.
struct TextMark {
    std::size_t begin = 0;
    std::size_t end = 0;
};
std::vector<TextMark> matchMarks(std::string_view text, const std::vector<QueryTerm>& terms, bool wholeWord,
                                 const RootLexicon* roots = nullptr);

} // namespace tilvane

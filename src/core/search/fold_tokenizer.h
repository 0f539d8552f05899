#pragma once

#include <memory>

namespace tilvane {

class RootLexicon;
class SqliteDb;

// The FTS5 tokenizer "tilvane_fold": the words of foldedWords(), each document word also
// under the other tokens of forEachIndexedWord() at the same position (so that phrases still
// match), and queries folded the same way. Registered once per connection. roots, when
// given, holds the roots the Arabic words are indexed under at the time a text is tokenized
// (it must outlive the connection); without it each word's root is read alone.
inline constexpr char kFoldTokenizer[] = "tilvane_fold";
void registerFoldTokenizer(const SqliteDb& db, const std::shared_ptr<const RootLexicon>* roots = nullptr);

} // namespace tilvane

#pragma once

namespace tilvane {

class SqliteDb;

// The FTS5 tokenizer "tilvane_fold": the words of foldedWords(), each document word also
// under the other tokens of forEachIndexedWord() at the same position (so that phrases still
// match), and queries folded the same way. Registered once per connection.
inline constexpr char kFoldTokenizer[] = "tilvane_fold";
void registerFoldTokenizer(const SqliteDb& db);

} // namespace tilvane

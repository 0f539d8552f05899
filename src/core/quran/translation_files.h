#pragma once

#include "core/quran/translations.h"

#include <string>
#include <vector>

namespace tilvane {

// Loads the package files of the active slots into TransSuraLists and TransAyaLists. A file
// unchanged since the last call (same inode, size and modification time) keeps the list read
// then; a changed or replaced file is read again.
// Never throws for a package's files: a file that is missing, unreadable or resolving outside
// its package folder (also through a symbolic link) leaves that slot's list empty (the page shows an empty text) and is reported
// once per run through takeTranslationProblems().
void LoadActiveTranslations();
// Whether a package names a file that resolves outside its package folder (absolute, through
// "..", or a symbolic link pointing out); such a file is never read.
bool namesFileOutsidePackage(const TTranslation& entry, const std::string& file);
// The problem messages collected since the last call, each naming the file, for the window
// (or the export tool) to show; empties the collection.
std::vector<std::string> takeTranslationProblems();
// Adds a problem message for takeTranslationProblems, once per key per run.
void reportTranslationProblem(const std::string& key, const std::string& message);

} // namespace tilvane

#pragma once

#include <string>

namespace tilvane {

class BookmarkStore;

// The exchange file: one JSON object
//   {"format": "tilvane-library", "version": 1,
//    "topics": ["name", ...],
//    "bookmarks": [{"sura": 2, "aya": 255, "topics": ["name"], "note": "text",
//                   "created": "2026-01-31T12:00:00Z"}, ...]}
// "topics" of a bookmark and its "note" and "created" may be left out.
inline constexpr const char* kLibraryFileFormat = "tilvane-library";
inline constexpr int kLibraryFileVersion = 1;

// Writes every bookmark, topic and note to path as writeUserFile writes (a link's target is
// replaced atomically, the link kept). Throws TilvaneError naming the file when it cannot be
// written.
void exportLibrary(BookmarkStore& store, const std::string& path);

struct ImportSummary {
    int bookmarks = 0; // bookmarks in the file
    int added = 0;     // of those, new to the store
    int topics = 0;    // topics in the file
};

// Reads the whole file and checks it before changing anything, then merges it in one
// transaction (BookmarkStore::merge). A malformed or foreign file throws TilvaneError naming
// the file and what is wrong, and the store stays as it was.
ImportSummary importLibrary(BookmarkStore& store, const std::string& path);

} // namespace tilvane

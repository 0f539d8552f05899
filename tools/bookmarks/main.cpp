// tilvane-bookmarks: the reader's bookmark library for scripts and checks, with the same
// store the Topics tab uses.
#include "bookmark_options.h"

#include "core/app/command_line_help.h"
#include "core/library/bookmark_store.h"
#include "core/library/library_file.h"
#include "core/library/library_location.h"
#include "core/library/note_text.h"

#include <exception>
#include <iostream>

using namespace tilvane;
using namespace tilvane::bookmarks;

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

// One line per topic the bookmark sits in, so that a script can select a topic with grep.
void printList(BookmarkStore& store)
{
    for (const Bookmark& bookmark : store.list()) {
        const std::string position = std::to_string(bookmark.pos.Sura) + ":" + std::to_string(bookmark.pos.Aya);
        const std::string note = noteFirstLine(bookmark.note);
        if (bookmark.topics.empty())
            std::cout << position << '\t' << kUnsortedTopic << '\t' << note << '\n';
        for (const std::string& topic : bookmark.topics)
            std::cout << position << '\t' << topic << '\t' << note << '\n';
    }
}

void run(const BookmarkOptions& options)
{
    BookmarkStore store(options.dataDir.empty() ? defaultLibraryPath() : libraryPathIn(options.dataDir));
    switch (options.command) {
    case Command::List:
        printList(store);
        break;
    case Command::Add:
        store.add(options.pos);
        for (const std::string& topic : options.topics)
            store.addToTopic(options.pos, topic);
        if (options.note)
            store.setNote(options.pos, *options.note);
        break;
    case Command::Export:
        exportLibrary(store, options.file);
        break;
    case Command::Import: {
        const ImportSummary summary = importLibrary(store, options.file);
        std::cout << "Imported " << summary.bookmarks << " bookmarks (" << summary.added << " new) and "
                  << summary.topics << " topics from " << options.file << '\n';
        break;
    }
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (const auto answered = answerHelpOrVersion(argc, argv, "tilvane-bookmarks", kUsage, std::cout))
        return *answered;
    std::string problem;
    const auto options = parseBookmarkOptions(std::vector<std::string>(argv + 1, argv + argc), problem);
    if (!options) {
        std::cerr << "tilvane-bookmarks: " << problem << '\n' << kUsage << '\n';
        return kExitUsage;
    }
    try {
        run(*options);
    } catch (const std::exception& error) {
        std::cerr << "tilvane-bookmarks: " << error.what() << '\n';
        return kExitFailure;
    }
    return 0;
}

#include "bookmark_options.h"

#include "core/base/errors.h"
#include "core/library/bookmark_store.h"

#include <charconv>

namespace tilvane::bookmarks {

namespace {

std::optional<TQuranPos> parsePosition(const std::string& text)
{
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos)
        return std::nullopt;
    TQuranPos pos;
    const char* end = text.data() + text.size();
    const auto sura = std::from_chars(text.data(), text.data() + colon, pos.Sura);
    const auto aya = std::from_chars(text.data() + colon + 1, end, pos.Aya);
    if (sura.ec != std::errc() || sura.ptr != text.data() + colon || aya.ec != std::errc() || aya.ptr != end)
        return std::nullopt;
    return pos;
}

bool parseAddOptions(const std::vector<std::string>& args, std::size_t at, BookmarkOptions& options,
                     std::string& problem)
{
    if (at >= args.size()) {
        problem = "add needs SURA:AYA";
        return false;
    }
    const std::optional<TQuranPos> pos = parsePosition(args[at]);
    if (!pos) {
        problem = "not a SURA:AYA position: " + args[at];
        return false;
    }
    options.pos = *pos;
    try {
        checkAyaExists(options.pos);
        for (++at; at < args.size(); at += 2) {
            if (at + 1 >= args.size() || (args[at] != "--topic" && args[at] != "--note")) {
                problem = "unexpected argument: " + args[at];
                return false;
            }
            if (args[at] == "--topic") {
                checkTopicName(args[at + 1]);
                options.topics.push_back(args[at + 1]);
            } else {
                checkNoteText(args[at + 1]);
                options.note = args[at + 1];
            }
        }
    } catch (const TilvaneError& error) {
        problem = error.what();
        return false;
    }
    return true;
}

} // namespace

std::optional<BookmarkOptions> parseBookmarkOptions(const std::vector<std::string>& args, std::string& problem)
{
    BookmarkOptions options;
    std::size_t at = 0;
    if (at < args.size() && args[at] == "--data-dir") {
        if (at + 1 >= args.size() || args[at + 1].empty()) {
            problem = "--data-dir needs a folder";
            return std::nullopt;
        }
        options.dataDir = args[at + 1];
        at += 2;
    }
    if (at >= args.size()) {
        problem = "no command given";
        return std::nullopt;
    }
    const std::string& command = args[at++];
    const std::size_t rest = args.size() - at;
    if (command == "list" && rest == 0) {
        options.command = Command::List;
    } else if ((command == "export" || command == "import") && rest == 1 && !args[at].empty()) {
        options.command = command == "export" ? Command::Export : Command::Import;
        options.file = args[at];
    } else if (command == "add") {
        options.command = Command::Add;
        if (!parseAddOptions(args, at, options, problem))
            return std::nullopt;
    } else {
        problem = "not a command: " + command + (rest != 0 ? " with " + std::to_string(rest) + " argument(s)" : "");
        return std::nullopt;
    }
    return options;
}

} // namespace tilvane::bookmarks

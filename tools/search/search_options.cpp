#include "search_options.h"

#include "core/quran/juz_starts.h"
#include "core/quran/sura_table.h"

#include <charconv>
#include <map>

namespace tilvane::searchtool {

namespace {

std::optional<int> parseNumber(const std::string& text, int first, int last)
{
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || value < first || value > last)
        return std::nullopt;
    return value;
}

const std::map<std::string, int> kFields = {
    {"arabic", kFieldArabic}, {"latin", kFieldLatin}, {"translation", kFieldTranslation}, {"all", kAllFields}};

// Applies one option that takes a value; false with the reason in problem when it is unusable.
bool applyValue(SearchToolOptions& options, const std::string& option, const std::string& value, std::string& problem)
{
    if (option == "--app-dir") {
        options.appDir = value;
        return true;
    }
    if (option == "--texts" || option == "--order") {
        const bool texts = option == "--texts";
        const char* first = texts ? "all" : "quran";
        const char* second = texts ? "active" : "relevance";
        if (value != first && value != second) {
            problem = option + " takes " + first + " or " + second + ", not \"" + value + "\"";
            return false;
        }
        if (texts)
            options.activeTextsOnly = value == second;
        else
            options.search.order = value == second ? SearchOrder::Relevance : SearchOrder::Quran;
        return true;
    }
    if (option == "--field") {
        const auto field = kFields.find(value);
        if (field == kFields.end()) {
            problem = "--field takes arabic, latin, translation or all, not \"" + value + "\"";
            return false;
        }
        options.search.fields = field->second;
        return true;
    }
    const bool sura = option == "--sura";
    const bool juz = option == "--juz";
    const std::optional<int> number = parseNumber(value, 1, sura ? kSuraCount : juz ? kJuzCount : 1'000'000'000);
    if (!number) {
        problem = option + (sura ? " takes a sura number from 1 to 114"
                            : juz ? " takes a juz number from 1 to 30"
                                  : " takes a positive number")
            + ", not \"" + value + "\"";
        return false;
    }
    if (sura) {
        options.search.firstAya = SuraTable[*number].FirstAya;
        options.search.lastAya = SuraTable[*number].LastAya;
    } else if (juz) {
        options.search.firstAya = juzFirstAya(*number);
        options.search.lastAya = juzLastAya(*number);
    } else {
        options.search.limit = static_cast<std::size_t>(*number);
    }
    return true;
}

} // namespace

std::optional<SearchToolOptions> parseSearchToolOptions(const std::vector<std::string>& args, std::string& problem)
{
    SearchToolOptions options;
    bool queryGiven = false;
    bool scopeGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--whole-word") {
            options.search.wholeWord = true;
            continue;
        }
        if (arg == "--root" || arg == "--stem") {
            if (options.search.mode != SearchMode::Words) {
                problem = "give --root or --stem once";
                return std::nullopt;
            }
            options.search.mode = arg == "--root" ? SearchMode::Root : SearchMode::Stem;
            continue;
        }
        if (!arg.starts_with("--")) {
            if (queryGiven) {
                problem = "give one QUERY (quote it when it has several words)";
                return std::nullopt;
            }
            options.query = arg;
            queryGiven = true;
            continue;
        }
        if (arg != "--app-dir" && arg != "--field" && arg != "--sura" && arg != "--juz" && arg != "--limit"
            && arg != "--texts" && arg != "--order") {
            problem = "unknown option \"" + arg + "\"";
            return std::nullopt;
        }
        if (i + 1 >= args.size() || args[i + 1].empty()) {
            problem = arg + " needs a value";
            return std::nullopt;
        }
        if (arg == "--sura" || arg == "--juz") {
            if (scopeGiven) {
                problem = "give --sura or --juz once";
                return std::nullopt;
            }
            scopeGiven = true;
        }
        if (!applyValue(options, arg, args[++i], problem))
            return std::nullopt;
    }
    if (!queryGiven) {
        problem = "QUERY is missing";
        return std::nullopt;
    }
    return options;
}

} // namespace tilvane::searchtool

// tilvane-search: finds ayat as the Search tab does and prints one hit per line,
// sura:aya<TAB>field<TAB>text, in Quran order (or by relevance). When nothing is found, says so
// on standard error with the nearest indexed words. Reads the settings, never writes them.
#include "search_options.h"

#include "core/app/command_line_help.h"
#include "core/app/app_dirs.h"
#include "core/app/paths.h"
#include "core/app/settings.h"
#include "core/quran/translations.h"
#include "core/search/search_sources.h"

#include <exception>
#include <iostream>

using namespace tilvane;
using namespace tilvane::searchtool;

namespace {

constexpr int kExitLoadFailure = 1;
constexpr int kExitUsage = 2;

const char* fieldName(int field)
{
    return field == kFieldArabic ? "arabic" : field == kFieldLatin ? "latin" : "translation";
}

void reportProblems(SearchIndex& index)
{
    for (const std::string& problem : index.takeProblems())
        std::cerr << "tilvane-search: " << problem << '\n';
}

} // namespace

int main(int argc, char** argv)
{
    if (const auto answered = answerHelpOrVersion(argc, argv, "tilvane-search", kUsage, std::cout))
        return *answered;
    std::string problem;
    const auto options = parseSearchToolOptions(std::vector<std::string>(argv + 1, argv + argc), problem);
    if (!options) {
        std::cerr << "tilvane-search: " << problem << '\n' << kUsage << '\n';
        return kExitUsage;
    }
    try {
        InitAppDirsFromOption(options->appDir);
        LoadSettings();
        LoadTranslationCatalogue();
        SearchIndex index(searchIndexPath(AppDirs.AppDir));
        index.update(searchSources(archiveTexts()));
        reportProblems(index);
        SearchOptions search = options->search;
        search.activeSources = activeSourceNames();
        search.allTexts = !options->activeTextsOnly;
        SearchResults results;
        try {
            results = index.find(options->query, search);
        } catch (const SearchQueryError& error) {
            std::cerr << "tilvane-search: " << error.what() << '\n';
            return kExitUsage;
        }
        for (const SearchHit& hit : results.hits) {
            std::cout << hit.sura << ':' << hit.aya << '\t' << fieldName(hit.field) << '\t' << hit.text << '\n';
        }
        if (results.hits.empty() && !results.terms.empty()) {
            std::cerr << "tilvane-search: no results\n";
            if (!results.suggestions.empty()) {
                std::cerr << "tilvane-search: did you mean:";
                for (const std::string& word : results.suggestions)
                    std::cerr << ' ' << word;
                std::cerr << '\n';
            }
        }
        if (results.capped)
            std::cerr << "tilvane-search: " << results.hits.size() << " of " << results.total << " hits shown\n";
    } catch (const std::exception& error) {
        std::cerr << "tilvane-search: " << error.what() << '\n';
        return kExitLoadFailure;
    }
    return 0;
}

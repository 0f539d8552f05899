#include "reciter_options.h"

#include "core/base/errors.h"
#include "core/audio/install_selection.h"

namespace tilvane::reciter {

namespace {

// Takes "--option VALUE" out of the arguments; false with problem set when VALUE is missing.
bool takeOption(std::vector<std::string>& arguments, const std::string& option, std::string& value,
                std::string& problem)
{
    for (auto it = arguments.begin(); it != arguments.end(); ++it) {
        if (*it != option)
            continue;
        if (std::next(it) == arguments.end()) {
            problem = option + " needs a value";
            return false;
        }
        value = *std::next(it);
        arguments.erase(it, it + 2);
        return true;
    }
    return true;
}

} // namespace

std::optional<ReciterOptions> parseReciterOptions(const std::vector<std::string>& given, std::string& problem)
{
    std::vector<std::string> arguments = given;
    ReciterOptions options;
    std::string suras;
    std::string juzs;
    if (!takeOption(arguments, "--app-dir", options.appDir, problem) || !takeOption(arguments, "--suras", suras, problem)
        || !takeOption(arguments, "--juz", juzs, problem))
        return std::nullopt;
    if (!suras.empty() && !juzs.empty()) {
        problem = "--suras and --juz cannot be combined";
        return std::nullopt;
    }
    for (const std::string& argument : arguments) {
        if (argument.rfind("--", 0) == 0) {
            problem = "unknown option " + argument;
            return std::nullopt;
        }
    }
    const std::size_t count = arguments.size();
    if (count == 1 && arguments[0] == "list") {
        options.command = Command::List;
    } else if (count == 1 && arguments[0] == "catalogue") {
        options.command = Command::Catalogue;
    } else if (count == 2 && arguments[0] == "remove") {
        options.command = Command::Remove;
        options.name = arguments[1];
    } else if (count == 3 && arguments[0] == "install") {
        options.command = Command::Install;
        options.name = arguments[1];
        options.source = arguments[2];
    } else {
        problem = "expected install NAME SOURCE, list, catalogue or remove NAME";
        return std::nullopt;
    }
    try {
        options.ayat = juzs.empty() ? ayatOfSuras(parseSuraSelection(suras.empty() ? "1-114" : suras))
                                    : ayatOfJuzs(parseJuzSelection(juzs));
    } catch (const TilvaneError& error) {
        problem = std::string(juzs.empty() ? "--suras: " : "--juz: ") + error.what();
        return std::nullopt;
    }
    return options;
}

} // namespace tilvane::reciter

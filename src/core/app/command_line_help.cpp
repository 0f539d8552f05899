#include "core/app/command_line_help.h"

#include "core/app/app_info.h"

namespace tilvane {

std::optional<int> answerHelpOrVersion(int argc, const char* const* argv, std::string_view program,
                                       std::string_view usage, std::ostream& out)
{
    for (int at = 1; at < argc; ++at) {
        const std::string_view argument = argv[at];
        if (argument == "--") // what follows is the tool's own operands
            break;
        if (argument == "--help" || argument == "-h") {
            out << usage;
            if (!usage.empty() && usage.back() != '\n')
                out << '\n';
            return 0;
        }
        if (argument == "--version") {
            out << program << " (" << AppName << ") " << AppVersion << '\n';
            return 0;
        }
    }
    return std::nullopt;
}

} // namespace tilvane

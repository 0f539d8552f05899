#include "core/app/app_info.h"
#include "core/app/command_line_help.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using namespace tilvane;

TEST(CommandLineHelp, HelpAndVersionAnswerWhereverTheyStandAndOtherArgumentsRunTheTool)
{
    struct Case {
        std::vector<const char*> arguments;
        bool answered;
        std::string output;
    };
    const std::string version = std::string("tilvane-x (Tilvane) ") + std::string(AppVersion) + "\n";
    const std::vector<Case> cases = {
        {{"tilvane-x", "--help"}, true, "Usage: tilvane-x FILE\n"},
        {{"tilvane-x", "--sura", "2", "-h"}, true, "Usage: tilvane-x FILE\n"},
        {{"tilvane-x", "--version", "--help"}, true, version},
        {{"tilvane-x", "--sura", "2"}, false, ""},
        {{"tilvane-x"}, false, ""},
        // After "--" a word is the tool's operand, not an option.
        {{"tilvane-x", "search", "--", "--help"}, false, ""},
    };
    for (const Case& test : cases) {
        std::ostringstream out;
        const auto status = answerHelpOrVersion(static_cast<int>(test.arguments.size()), test.arguments.data(),
                                                "tilvane-x", "Usage: tilvane-x FILE", out);
        EXPECT_EQ(status.has_value(), test.answered) << test.arguments.back();
        if (status)
            EXPECT_EQ(*status, 0);
        EXPECT_EQ(out.str(), test.output) << test.arguments.back();
    }
}

#pragma once

#include <optional>
#include <ostream>
#include <string_view>

namespace tilvane {

// Answers --help (the usage, on out) and --version (the program and Tilvane's version) for a
// command-line tool, wherever among the arguments they stand. Returns the exit status
// (0) when it answered, nothing when the tool should run.
std::optional<int> answerHelpOrVersion(int argc, const char* const* argv, std::string_view program,
                                       std::string_view usage, std::ostream& out);

} // namespace tilvane

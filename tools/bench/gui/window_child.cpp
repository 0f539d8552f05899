#include "gui_cases.h"

#include "child_process.h"

#include "core/app/paths.h"

#include <cstdio>
#include <sstream>
#include <stdexcept>

namespace tilvane::bench {

namespace {

using namespace std::chrono_literals;

// Every line the child reports starts with this; the engine's own messages share the pipe.
constexpr char kReportPrefix[] = "tilvane-bench-window ";
constexpr char kCaseKind[] = "case";
constexpr char kPagesKind[] = "pages";
constexpr char kDoneKind[] = "done";

std::string joinNumbers(const std::vector<double>& numbers)
{
    std::string joined;
    for (double number : numbers) {
        char text[32];
        std::snprintf(text, sizeof text, "%.6f;", number);
        joined += text;
    }
    return joined;
}

std::vector<double> splitNumbers(const std::string& joined)
{
    std::vector<double> numbers;
    std::istringstream in(joined);
    for (std::string item; std::getline(in, item, ';');)
        numbers.push_back(std::stod(item));
    return numbers;
}

std::vector<std::string> splitFields(const std::string& line)
{
    std::vector<std::string> fields;
    std::istringstream in(line.substr(sizeof kReportPrefix - 1));
    for (std::string field; std::getline(in, field, '\t');)
        fields.push_back(field);
    return fields;
}

void report(const std::vector<std::string>& fields)
{
    std::string line = kReportPrefix;
    for (const std::string& field : fields)
        line += field + '\t';
    line.back() = '\n';
    // A line at a time: the engine writes to the same pipe and must not land inside one.
    std::fputs(line.c_str(), stdout);
    std::fflush(stdout);
}

} // namespace

int runWindowCasesChild(const std::string& scratch, int repetitions)
{
    SavedPages pages;
    for (const CaseFigures& figures : runWindowCases(scratch, repetitions, pages))
        report({kCaseKind, figures.name, figures.unit, figures.note, joinNumbers(figures.values),
                joinNumbers(figures.floors)});
    report({kPagesKind, pages.firstSuraDefault, std::to_string(pages.viewWidth), std::to_string(pages.viewHeight)});
    report({kDoneKind});
    return 0;
}

std::vector<CaseFigures> runWindowCasesInChild(const std::string& scratch, int repetitions, SavedPages& pages)
{
    ChildProcess child(executablePath(), {"--window-cases", scratch, std::to_string(repetitions)});
    std::vector<CaseFigures> cases;
    for (;;) {
        const auto line = child.waitForLine(kReportPrefix, 1800s);
        if (!line)
            throw std::runtime_error("the window cases ended before reporting all their figures");
        const std::vector<std::string> fields = splitFields(*line);
        if (fields.at(0) == kDoneKind)
            return cases;
        if (fields.at(0) == kPagesKind) {
            pages = {fields.at(1), std::stoi(fields.at(2)), std::stoi(fields.at(3))};
        } else {
            cases.push_back({fields.at(1), fields.at(2), splitNumbers(fields.at(4)), splitNumbers(fields.at(5)),
                             fields.at(3)});
        }
    }
}

} // namespace tilvane::bench

#include "note_numbers.h"

#include "build_error.h"

namespace databuilder {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

std::string removeNoteNumbers(const std::string& text, int& nextNote, const std::string& where)
{
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        if (!isDigit(text[i])) {
            out += text[i++];
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && isDigit(text[end]))
            ++end;
        const std::string digits = text.substr(i, end - i);
        if (end < text.size() && text[end] == ')') {
            if (digits != std::to_string(nextNote))
                throw BuildError(where + ": note number " + digits + ") where "
                                 + std::to_string(nextNote) + ") was expected");
            ++nextNote;
            i = end + 1;
        } else {
            out += digits;
            i = end;
        }
    }
    return out;
}

} // namespace databuilder

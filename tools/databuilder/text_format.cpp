#include "text_format.h"

namespace databuilder {

namespace {

// Replaces each line ending (CR LF, CR or LF) by `ending`.
std::string replaceLineEndings(const std::string& text, const std::string& ending)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            out += ending;
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

std::string flattenLineBreaks(const std::string& text)
{
    return replaceLineEndings(text, " ");
}

std::string escapeHtml(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string joinCrLf(const std::vector<std::string>& lines)
{
    std::string out;
    for (const std::string& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

std::string toCrLf(const std::string& text)
{
    return replaceLineEndings(text, "\r\n");
}

} // namespace databuilder

#pragma once

#include <string>
#include <vector>

namespace databuilder {

// The reader addresses aya g as line g, so a line break inside one text becomes a blank.
std::string flattenLineBreaks(const std::string& text);

// The reader puts data lines into its pages unchanged: plain text must arrive escaped.
std::string escapeHtml(const std::string& text);

// Each line followed by CR LF, the line ending of every data text file.
std::string joinCrLf(const std::vector<std::string>& lines);

// The same text with every line ending (LF, CR or CR LF) turned into CR LF.
std::string toCrLf(const std::string& text);

} // namespace databuilder

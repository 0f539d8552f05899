#pragma once

#include <string>

namespace tilvane {

// "tajweed.css" beside CommonCssFile: the colours of the tajweed rules and of their legend.
std::string tajweedCssFile();

// Writes tajweedCssFile(); overwrites it. Written with the other stylesheets, linked only by
// pages built with the tajweed colours on.
void WriteTajweedCss();

// The sura page's head with the link to the tajweed stylesheet before its end.
std::string withTajweedStylesheet(const std::string& head);

// A small panel naming each rule in its colour, in the interface language of the hover
// titles, shown under the sura's heading, followed by the script that gives the coloured
// letters their hover titles.
std::string tajweedLegendBlock();

} // namespace tilvane

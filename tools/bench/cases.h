#pragma once

#include <string>

namespace tilvane::bench {

// LoadQuranData; floor: decompressing both archives into memory and writing the bytes out.
void registerLoadCases();
// BuildSuraPage, all 114 pages and WriteCommonCss; floor: writing as many bytes to the file.
void registerPageCases();
// Building the search index of the default data and every installed package (floor: a plain
// FTS5 table of the same texts), and queries over all of it (floor: a plain FTS5 MATCH of one
// token of the query over the same table). The index lives in `scratch`.
void registerSearchCases(const std::string& scratch);
// Annotating the whole Quran with its tajweed rules (floor: reading its text once), and sura
// pages with the tajweed colours on (floor: the same page with them off).
void registerTajweedCases();

} // namespace tilvane::bench

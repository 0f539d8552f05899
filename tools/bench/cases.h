#pragma once

namespace tilvane::bench {

// LoadQuranData; floor: decompressing both archives into memory and writing the bytes out.
void registerLoadCases();
// BuildSuraPage, all 114 pages and WriteCommonCss; floor: writing as many bytes to the file.
void registerPageCases();

} // namespace tilvane::bench

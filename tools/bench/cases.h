#pragma once

namespace tilvane::bench {

// Every case is registered beside its floor, named as the case with "/floor" added.
inline constexpr const char* kFloorSuffix = "/floor";

// LoadQuranData; floor: decompressing both archives into memory and writing the bytes out.
void registerLoadCases();
// BuildSuraPage, all 114 pages and WriteCommonCss; floor: writing as many bytes to the file.
void registerPageCases();

} // namespace tilvane::bench

#pragma once

#include "indonesian_data.h"
#include "sources.h"

#include <filesystem>

namespace databuilder {

// The files of lib.tvz: Arabic text and names, digits, the Quranic font, and the page
// scripts, stylesheet and image. `pageFiles` holds the js/ and css/ folders of the page files.
FileSet libFiles(const std::vector<SuraSource>& suras, const std::filesystem::path& pageFiles,
                 const std::filesystem::path& fontFile);

// Arabic text lines, one per aya. The first aya of every sura but 1 and 9 is stored behind
// the bismillah (the text of aya 1:1) and a blank, the layout the reader's pages take apart.
// The open tanween are written with their own code points, so the font draws the right marks.
std::vector<std::string> arabicLines(const std::vector<SuraSource>& suras);

} // namespace databuilder

#pragma once

#include "sources.h"

#include <string>
#include <vector>

namespace databuilder {

// Body lines of a sura's preface ("Mukadimah") and closing ("Penutup") page, in Indonesian.
// The page around them opens a paragraph right before the first line, which closes it.
std::vector<std::string> prefaceBody(const SuraSource& sura);
std::vector<std::string> closingBody(const SuraSource& sura, const SuraSource& following);

} // namespace databuilder

#pragma once

#include <QString>

#include <cstdint>

namespace tilvane {

// "about 560 MB", "about 2.3 GB": sizes of recitations, which are estimates.
QString approximateSizeText(std::uint64_t bytes);

} // namespace tilvane

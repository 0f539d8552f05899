#pragma once

#include <QString>

#include <string_view>

namespace tilvane {

// The core's text is UTF-8 bytes; Qt's is UTF-16. Convert only at the edge.
inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace tilvane

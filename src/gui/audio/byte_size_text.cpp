#include "gui/audio/byte_size_text.h"

#include <QCoreApplication>

#include <algorithm>

namespace tilvane {

QString approximateSizeText(std::uint64_t bytes)
{
    const double megabytes = static_cast<double>(bytes) / 1e6;
    if (megabytes >= 1000)
        return QCoreApplication::translate("ByteSizeText", "about %1 GB").arg(megabytes / 1000, 0, 'f', 1);
    return QCoreApplication::translate("ByteSizeText", "about %1 MB").arg(std::max(1.0, megabytes), 0, 'f', 0);
}

} // namespace tilvane

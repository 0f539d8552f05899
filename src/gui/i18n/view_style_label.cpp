#include "gui/i18n/view_style_label.h"

#include "core/app/app_info.h"
#include "gui/app/qt_text.h"

#include <QCoreApplication>

namespace tilvane {

namespace {

// The core names the layouts in English; these marks let lupdate collect them.
[[maybe_unused]] constexpr const char* kViewStyleSources[] = {
    QT_TRANSLATE_NOOP("ViewStyle", "Arabic and Translations"),
    QT_TRANSLATE_NOOP("ViewStyle", "Arabic Only"),
    QT_TRANSLATE_NOOP("ViewStyle", "Arabic Only 1 Aya per-Line"),
    QT_TRANSLATE_NOOP("ViewStyle", "Translations Only"),
};
static_assert(std::size(kViewStyleSources) == ViewStyleNames.size());

} // namespace

QString viewStyleLabel(std::string_view name)
{
    const QByteArray source(name.data(), static_cast<qsizetype>(name.size()));
    return QCoreApplication::translate("ViewStyle", source.constData());
}

} // namespace tilvane

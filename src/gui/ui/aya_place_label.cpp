#include "gui/ui/aya_place_label.h"

#include "gui/app/qt_text.h"
#include "gui/i18n/live_text.h"

namespace tilvane {

AyaPlaceLabel::AyaPlaceLabel(QWidget* parent)
    : QLabel(parent)
{
    setObjectName("lblAyaPlace");
    setContentsMargins(6, 0, 6, 0);
    // It stands on the status strip's coloured band in every theme, like the strip's text.
    setStyleSheet(QStringLiteral("color: white;"));
    keepTranslated(this, [this] { showPlace(m_shown); });
}

void AyaPlaceLabel::setIndex(const std::vector<IndexNode>& nodes)
{
    m_places = AyaPlaces(nodes);
    showPlace(m_shown);
}

void AyaPlaceLabel::showPlace(TQuranPos pos)
{
    m_shown = pos;
    const AyaPlaces::Place place = m_places.placeOf(pos);
    QStringList parts;
    if (place.juz > 0)
        parts.append(tr("Juz %1").arg(place.juz));
    if (!place.quarter.empty())
        parts.append(toQString(place.quarter));
    if (place.page > 0)
        parts.append(tr("Page %1").arg(place.page));
    setText(parts.join(QStringLiteral(" \u00B7 ")));
}

} // namespace tilvane

#pragma once

#include "core/quran/aya_places.h"

#include <QLabel>

namespace tilvane {

// The status bar's "Juz 2 · Hizb 3 ½ · Page 25" for the current aya.
class AyaPlaceLabel : public QLabel {
    Q_OBJECT
public:
    explicit AyaPlaceLabel(QWidget* parent = nullptr);

    // The divisions, from the Index tab's tree.
    void setIndex(const std::vector<IndexNode>& nodes);
    void showPlace(TQuranPos pos);

private:
    AyaPlaces m_places;
    TQuranPos m_shown;
};

} // namespace tilvane

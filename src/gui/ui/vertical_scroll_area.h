#pragma once

#include <QScrollArea>

namespace tilvane {

// A tab page taller than a small screen allows scrolls instead of setting the window's least
// height (or, squeezed, drawing its controls over each other). Only the height scrolls: the
// page keeps its full width, with room for the scroll bar, so no text is cut at the right.
class VerticalScrollArea : public QScrollArea {
public:
    // Takes page; the area is named name, in place of the page among its tabs.
    VerticalScrollArea(QWidget* page, const char* name);

    QSize minimumSizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace tilvane

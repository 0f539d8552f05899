#include "gui/ui/vertical_scroll_area.h"

#include <QEvent>
#include <QScrollBar>

namespace tilvane {

VerticalScrollArea::VerticalScrollArea(QWidget* page, const char* name)
{
    setObjectName(name);
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWidget(page);
}

QSize VerticalScrollArea::minimumSizeHint() const
{
    const int pageWidth = widget() != nullptr ? widget()->minimumSizeHint().width() : 0;
    return {pageWidth + verticalScrollBar()->sizeHint().width() + 2 * frameWidth(),
            QScrollArea::minimumSizeHint().height()};
}

// A page whose texts change (a reciter's name) may need more width: ask the layout again.
bool VerticalScrollArea::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == widget() && event->type() == QEvent::LayoutRequest)
        updateGeometry();
    return QScrollArea::eventFilter(watched, event);
}

} // namespace tilvane

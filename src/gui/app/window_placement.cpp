#include "gui/app/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tilvane {

// A screen smaller than the window (a netbook's 1024x600) gets a window that fits it, as
// far as the window's least size allows, rather than one whose bottom lies off the screen.
void centreOnDesktop(QWidget& window)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        const QSize fitting = window.size().boundedTo(available.size()).expandedTo(window.minimumSizeHint());
        if (fitting != window.size())
            window.resize(fitting);
        QRect frame(QPoint(), window.size());
        frame.moveCenter(available.center());
        window.move(frame.topLeft());
    }
}

} // namespace tilvane

#include "gui/app/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tilvane {

void centreOnDesktop(QWidget& window)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), window.size());
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
}

} // namespace tilvane

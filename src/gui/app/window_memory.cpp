#include "gui/app/window_memory.h"

#include "core/app/window_state.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSplitter>
#include <QWidget>

namespace tilvane {

namespace {

WindowRect toRect(const QRect& rect)
{
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

// The primary screen first: a window that is on no screen now goes there.
std::vector<WindowRect> availableScreens()
{
    std::vector<WindowRect> screens;
    if (const QScreen* primary = QGuiApplication::primaryScreen())
        screens.push_back(toRect(primary->availableGeometry()));
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen())
            screens.push_back(toRect(screen->availableGeometry()));
    return screens;
}

} // namespace

void restoreWindowState(QWidget& window, QSplitter& splitter)
{
    const std::optional<WindowState> state = LoadWindowState();
    if (!state)
        return;
    const WindowRect frame = clampToScreens(state->frame, availableScreens());
    window.setGeometry(frame.x, frame.y, frame.width, frame.height);
    if (state->maximized)
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
    if (static_cast<int>(state->splitter.size()) == splitter.count())
        splitter.setSizes(QList<int>(state->splitter.begin(), state->splitter.end()));
}

void saveWindowState(const QWidget& window, const QSplitter& splitter)
{
    WindowState state;
    state.maximized = window.isMaximized();
    state.frame = toRect(state.maximized ? window.normalGeometry() : window.geometry());
    const QList<int> sizes = splitter.sizes();
    state.splitter.assign(sizes.begin(), sizes.end());
    SaveWindowState(state);
}

} // namespace tilvane

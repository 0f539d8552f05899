#pragma once

#include "core/render/theme_css.h"

#include <QList>
#include <QObject>
#include <QPointer>

class QAction;
class QActionGroup;
class QMenu;
class QWidget;

namespace tilvane {

class TWBContainer;

// How every page view looks, beyond the page itself: the zoom (Ctrl++ / Ctrl+= / Ctrl+- /
// Ctrl+0 and Ctrl+wheel) and the theme of the pages and the window. Both apply to the pages
// shown at once, through the views' zoom and the host style sheet: the page files stay as
// built. Both are kept in AppSet (Zoom, Theme).
class PageLook : public QObject {
    Q_OBJECT
public:
    // window: gets the zoom keys and the theme's colours.
    explicit PageLook(QWidget* window);

    // A host whose view follows the zoom and the theme from now on.
    void attach(TWBContainer* host);
    // Applies AppSet's zoom and theme (after the settings are read or the dialog's Apply).
    void applySettings();

    void setZoom(int percent);
    int zoom() const { return m_zoom; }
    void setTheme(PageTheme theme);
    PageTheme theme() const { return m_theme; }

    QAction* zoomInAction() const { return m_zoomIn; }
    QAction* zoomOutAction() const { return m_zoomOut; }
    QAction* zoomResetAction() const { return m_zoomReset; }
    // "Theme" with Light, Sepia and Night, and the zoom commands, for the ≡ menu, placed
    // before `before`.
    void addToMenu(QMenu& menu, QAction* before);

    // The look's rules for the host style sheet, for the theme and settings now in force.
    std::string lookStyleSheet() const;

signals:
    void zoomChanged(int percent);
    void themeChanged(PageTheme theme);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void zoomBy(int steps);
    void applyZoomTo(TWBContainer& host) const;
    void applyWindowTheme();
    void watchWheelOf(QObject* object);

    QWidget* m_window;
    QList<QPointer<TWBContainer>> m_hosts;
    int m_zoom = 100;
    PageTheme m_theme = PageTheme::Light;
    QString m_windowBaseStyleSheet;
    QAction* m_zoomIn = nullptr;
    QAction* m_zoomOut = nullptr;
    QAction* m_zoomReset = nullptr;
    QActionGroup* m_themes = nullptr;
};

// The design font (Tahoma) and AppSet's translation font, where they are not installed,
// become one installed sans for the pages, the PDF and the window alike.
void substituteMissingPageFonts();

// Window colours for a theme: the palette and rules laid over the window's own style sheet.
QPalette themePalette(PageTheme theme);
QString themeWindowStyleSheet(PageTheme theme);

} // namespace tilvane

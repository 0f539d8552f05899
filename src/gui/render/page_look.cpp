#include "gui/render/page_look.h"

#include "core/app/font_substitute.h"
#include "core/app/settings.h"
#include "gui/app/qt_text.h"
#include "gui/i18n/live_text.h"
#include "gui/render/wb_container.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QChildEvent>
#include <QMenu>
#include <QPalette>
#include <QStyle>
#include <QWebEngineView>
#include <QWheelEvent>

#include <algorithm>
#include <array>

namespace tilvane {

namespace {

constexpr std::array kZoomSteps{30, 50, 67, 75, 80, 90, 100, 110, 125, 150, 175, 200, 250, 300};

// For every theme: the aya number's ornament follows the Arabic text's size (the page fixes
// it at 16pt, the Arabic's default size). In both spellings: the pages render in quirks
// mode, where class names match in lower case.
constexpr char kTextRules[] = ".quran .suraAyaNum, .quran .suraayanum { font-size: 1em !important; }\n";

constexpr char kNightWindow[] = R"(
QTabWidget#pgcNav::pane { border-top: 3px solid #3D5A2A; }
QTabWidget#pgcNav > QTabBar::tab { background: #2F3A2A; color: #E0E0D8; border: 1px solid #3D5A2A; }
QTabWidget#pgcNav > QTabBar::tab:selected { background: #3D5A2A; }
QWidget#panStatus { background: #2F3A2A; }
QWidget#panStatus QStatusBar { color: #E0E0D8; }
QWidget#panQuranNav1, QWidget#panQuranFrameStatus, QWidget#panToolBar, QWidget#panAboutBottom,
QWidget#panUnderConstruction { background: #2B2D30; }
QFrame#frmQuran { border: 1px solid #44474C; }
QProgressBar#ProgressBar1 { border: 1px solid #3D5A2A; background: #1F2124; }
QProgressBar#ProgressBar1::chunk { background: #5A7A3A; }
)";

constexpr char kSepiaWindow[] = R"(
QTabWidget#pgcNav::pane { border-top: 3px solid #8A6A3A; }
QTabWidget#pgcNav > QTabBar::tab { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #E8D8B0, stop:1 #8A6A3A);
  border: 1px solid #8A6A3A; }
QTabWidget#pgcNav > QTabBar::tab:selected { background: #8A6A3A; }
QWidget#panStatus { background: #8A6A3A; }
QWidget#panQuranNav1, QWidget#panQuranFrameStatus, QWidget#panToolBar, QWidget#panAboutBottom {
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #FAF4E6, stop:1 #E0CFA0); }
QWidget#panUnderConstruction { background: qlineargradient(x1:0, y1:0, x2:1, y2:1, stop:0 #FAF4E6, stop:1 #E8D8B0); }
QProgressBar#ProgressBar1 { border: 1px solid #C8B48A; background: #FAF4E6; }
QProgressBar#ProgressBar1::chunk { background: #D8C090; }
)";

} // namespace

void substituteMissingPageFonts()
{
    for (const std::string& family : {std::string("Tahoma"), AppSet.TransFontName}) {
        const std::string used = substituteMissingFamily(family, tahomaLikeFamilies());
        if (!used.empty())
            QFont::insertSubstitution(toQString(family), toQString(used));
    }
}

QPalette themePalette(PageTheme theme)
{
    if (theme == PageTheme::Light)
        return QApplication::style()->standardPalette();
    const bool night = theme == PageTheme::Night;
    const QColor window = night ? QColor(0x2B, 0x2D, 0x30) : QColor(0xEF, 0xE6, 0xD0);
    const QColor base = night ? QColor(0x1F, 0x21, 0x24) : QColor(0xFA, 0xF4, 0xE6);
    const QColor text = night ? QColor(0xE0, 0xE0, 0xD8) : QColor(0x4A, 0x3A, 0x2A);
    QPalette palette(window);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, night ? QColor(0x2A, 0x2C, 0x30) : QColor(0xF2, 0xEA, 0xD6));
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, night ? QColor(0x35, 0x37, 0x3B) : QColor(0xE8, 0xDC, 0xC0));
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::ToolTipBase, base);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, night ? QColor(0x9A, 0x9A, 0x90) : QColor(0x8A, 0x7A, 0x66));
    palette.setColor(QPalette::Highlight, night ? QColor(0x4A, 0x6A, 0x2A) : QColor(0xB0, 0x8A, 0x50));
    palette.setColor(QPalette::HighlightedText, night ? QColor(0xFF, 0xFF, 0xFF) : QColor(0xFF, 0xFF, 0xF8));
    palette.setColor(QPalette::Link, night ? QColor(0x8A, 0xB4, 0xF8) : QColor(0x6A, 0x3A, 0x10));
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, night ? QColor(0x80, 0x80, 0x7A) : QColor(0xA0, 0x90, 0x7A));
    return palette;
}

QString themeWindowStyleSheet(PageTheme theme)
{
    switch (theme) {
    case PageTheme::Night: return QString::fromLatin1(kNightWindow);
    case PageTheme::Sepia: return QString::fromLatin1(kSepiaWindow);
    case PageTheme::Light: break;
    }
    return {};
}

PageLook::PageLook(QWidget* window)
    : QObject(window)
    , m_window(window)
    , m_windowBaseStyleSheet(window->styleSheet())
{
    // caption is marked with QT_TR_NOOP and follows the interface language.
    auto makeAction = [window](const char* caption, const QList<QKeySequence>& keys) {
        auto* action = new QAction(window);
        keepTranslatedText(action, [caption] { return tr(caption); });
        action->setShortcuts(keys);
        window->addAction(action); // the keys work wherever the focus is in the window
        return action;
    };
    m_zoomIn = makeAction(QT_TR_NOOP("Zoom In"),
                          {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    m_zoomOut = makeAction(QT_TR_NOOP("Zoom Out"), {QKeySequence(Qt::CTRL | Qt::Key_Minus)});
    m_zoomReset = makeAction(QT_TR_NOOP("Actual Size"), {QKeySequence(Qt::CTRL | Qt::Key_0)});
    connect(m_zoomIn, &QAction::triggered, this, [this] { zoomBy(1); });
    connect(m_zoomOut, &QAction::triggered, this, [this] { zoomBy(-1); });
    connect(m_zoomReset, &QAction::triggered, this, [this] { setZoom(100); });

    m_themes = new QActionGroup(this);
    const std::pair<PageTheme, const char*> themes[] = {{PageTheme::Light, QT_TR_NOOP("Light")},
                                                         {PageTheme::Sepia, QT_TR_NOOP("Sepia")},
                                                         {PageTheme::Night, QT_TR_NOOP("Night")}};
    for (const auto& [theme, caption] : themes) {
        QAction* action = m_themes->addAction(QString());
        keepTranslatedText(action, [caption = caption] { return tr(caption); });
        action->setCheckable(true);
        action->setData(static_cast<int>(theme));
        action->setChecked(theme == m_theme);
        connect(action, &QAction::triggered, this, [this, theme] { setTheme(theme); });
    }
}

void PageLook::addToMenu(QMenu& menu, QAction* before)
{
    auto* themeMenu = new QMenu(&menu);
    keepTranslated(themeMenu, [themeMenu] { themeMenu->setTitle(tr("Theme")); });
    themeMenu->addActions(m_themes->actions());
    menu.insertMenu(before, themeMenu);
    menu.insertActions(before, {m_zoomIn, m_zoomOut, m_zoomReset});
    menu.insertSeparator(before);
}

void PageLook::attach(TWBContainer* host)
{
    m_hosts.removeAll(nullptr);
    if (host == nullptr || m_hosts.contains(host))
        return;
    m_hosts.append(host);
    host->LookStyleSheet = lookStyleSheet();
    QWebEngineView* view = host->Browser();
    watchWheelOf(view);
    // The engine may set a new document back to its own zoom; each page gets the reader's.
    connect(view, &QWebEngineView::loadFinished, host, [this, host] { applyZoomTo(*host); });
    applyZoomTo(*host);
}

void PageLook::applySettings()
{
    substituteMissingPageFonts();
    setZoom(AppSet.Zoom);
    setTheme(themeNamed(AppSet.Theme));
    // The user's colours may have changed without the theme: the rules follow them.
    for (TWBContainer* host : m_hosts) {
        if (host != nullptr && host->LookStyleSheet != lookStyleSheet()) {
            host->LookStyleSheet = lookStyleSheet();
            host->restyleNow();
        }
    }
}

std::string PageLook::lookStyleSheet() const
{
    return kTextRules + themePageCss(m_theme, AppSet);
}

void PageLook::setZoom(int percent)
{
    percent = std::clamp(percent, kZoomMin, kZoomMax);
    AppSet.Zoom = percent;
    if (percent == m_zoom)
        return;
    m_zoom = percent;
    for (TWBContainer* host : m_hosts)
        if (host != nullptr)
            applyZoomTo(*host);
    emit zoomChanged(percent);
}

void PageLook::zoomBy(int steps)
{
    if (steps > 0) {
        const auto* next = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), m_zoom);
        setZoom(next == kZoomSteps.end() ? kZoomMax : *next);
    } else {
        const auto* atOrAbove = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), m_zoom);
        setZoom(atOrAbove == kZoomSteps.begin() ? kZoomMin : *(atOrAbove - 1));
    }
}

void PageLook::applyZoomTo(TWBContainer& host) const
{
    if (QWebEngineView* view = host.Browser())
        view->setZoomFactor(m_zoom / 100.0);
}

void PageLook::setTheme(PageTheme theme)
{
    AppSet.Theme = themeName(theme);
    for (QAction* action : m_themes->actions())
        action->setChecked(action->data().toInt() == static_cast<int>(theme));
    if (theme == m_theme)
        return;
    m_theme = theme;
    applyWindowTheme();
    for (TWBContainer* host : m_hosts) {
        if (host != nullptr) {
            host->LookStyleSheet = lookStyleSheet();
            host->restyleNow();
        }
    }
    emit themeChanged(theme);
}

void PageLook::applyWindowTheme()
{
    QApplication::setPalette(themePalette(m_theme));
    m_window->setStyleSheet(m_windowBaseStyleSheet + themeWindowStyleSheet(m_theme));
}

// The engine draws a page in a child widget made after the view; the wheel reaches that.
void PageLook::watchWheelOf(QObject* object)
{
    object->installEventFilter(this);
    for (QObject* child : object->children())
        if (child->isWidgetType())
            child->installEventFilter(this);
}

bool PageLook::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ChildAdded) {
        QObject* child = static_cast<QChildEvent*>(event)->child();
        if (child->isWidgetType())
            child->installEventFilter(this);
    } else if (event->type() == QEvent::Wheel) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            const int delta = wheel->angleDelta().y();
            if (delta != 0)
                zoomBy(delta > 0 ? 1 : -1);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tilvane

#include "gui/library/bookmark_stars.h"

#include "core/library/bookmark_marks.h"
#include "core/reader/navigation.h"
#include "gui/app/error_handler.h"
#include "gui/app/qt_text.h"
#include "gui/library/library.h"
#include "gui/render/wb_container.h"

#include <QAction>
#include <QStatusBar>

#include <algorithm>
#include <utility>

namespace tilvane {

BookmarkStars::BookmarkStars(Library& library, const Navigator& navigator, HostSource pageHost,
                             QAction* toggleAction, QStatusBar* statusBar, QObject* parent)
    : QObject(parent)
    , m_library(library)
    , m_navigator(navigator)
    , m_pageHost(std::move(pageHost))
    , m_toggleAction(toggleAction)
    , m_statusBar(statusBar)
{
    connect(&m_library, &Library::changed, this, guarded([this] { draw(); }));
    connect(m_toggleAction, &QAction::triggered, this, guarded([this] { toggle(); }));
}

void BookmarkStars::draw()
{
    TNulWBContainer* host = m_pageHost();
    const int sura = m_navigator.FCurPos.Sura;
    if (host == nullptr || !m_navigator.FDocLoaded || sura == 0)
        return;
    m_markedSura = sura;
    m_markedAyas = m_library.read([sura](BookmarkStore& store) { return store.bookmarkedAyas(sura); });
    updateAction();
    // A failed run leaves the page without marks until the next load or change redraws them.
    host->runScriptChecked(toQString(bookmarkMarksScript(sura, m_markedAyas)),
                           [this](bool completed) { emit drawn(completed); });
}

void BookmarkStars::updateAction()
{
    const TQuranPos pos = m_navigator.FCurPos;
    const bool marked = std::find(m_markedAyas.begin(), m_markedAyas.end(), pos.Aya) != m_markedAyas.end();
    m_toggleAction->setChecked(pos.Sura == m_markedSura && marked);
}

void BookmarkStars::toggle()
{
    const TQuranPos pos = m_navigator.FCurPos;
    if (pos.Sura == 0)
        return;
    const QString where = QStringLiteral("%1:%2").arg(pos.Sura).arg(pos.Aya);
    bool added = false;
    try {
        added = m_library.toggle(pos);
    } catch (...) {
        updateAction(); // the action ticked itself when triggered
        throw;
    }
    if (added)
        m_statusBar->showMessage(tr("Bookmarked %1").arg(where));
    else
        m_statusBar->showMessage(tr("Bookmark on %1 removed; Ctrl+Z brings it back").arg(where));
}

} // namespace tilvane

#pragma once

#include "core/quran/quran_pos.h"

#include <QObject>

#include <functional>
#include <vector>

class QAction;
class QStatusBar;

namespace tilvane {

class Library;
class Navigator;
class TNulWBContainer;

// The marks of the bookmarked ayat in the loaded sura page and the tick of "Bookmark this
// aya": drawn again whenever the library changes or a page loads. The page file stays as
// built; the marks live only in the loaded page.
class BookmarkStars : public QObject {
    Q_OBJECT
public:
    using HostSource = std::function<TNulWBContainer*()>;

    BookmarkStars(Library& library, const Navigator& navigator, HostSource pageHost, QAction* toggleAction,
                  QStatusBar* statusBar, QObject* parent = nullptr);

    // Marks the bookmarked ayat of the loaded sura page (nothing while no page is loaded).
    void draw();
    // Ticks "Bookmark this aya" when the shown aya is marked, from the marks last drawn.
    void updateAction();

signals:
    // The marks were drawn into the sura page (or the script failed).
    void drawn(bool completed);

private:
    void toggle();

    Library& m_library;
    const Navigator& m_navigator;
    HostSource m_pageHost;
    QAction* m_toggleAction;
    QStatusBar* m_statusBar;
    int m_markedSura = 0;
    std::vector<int> m_markedAyas; // the bookmarked ayat of m_markedSura, as last drawn
};

} // namespace tilvane

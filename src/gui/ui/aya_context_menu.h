#pragma once

#include "core/quran/quran_pos.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>

class QAction;
class QMenu;
class QWebEngineView;

namespace tilvane {

// The sura page's right-click menu acts on the aya under the mouse: that aya becomes the
// current one first, then the menu offers Copy aya, Play from here, the bookmark and Add
// note above the page's own commands. Ctrl+C in the page copies the selection, or the
// current aya when nothing is selected.
class AyaContextMenu : public QObject {
    Q_OBJECT
public:
    // pageMenu: the page's own commands, shown below the aya's; bookmarkAction: the window's
    // toggle for the current aya; currentAya: the aya the window shows.
    AyaContextMenu(QWebEngineView* view, QMenu* pageMenu, QAction* bookmarkAction,
                   std::function<std::optional<TQuranPos>()> currentAya, QObject* parent = nullptr);

    QMenu* menu() const { return m_menu; }
    QAction* copyAction() const { return m_copy; }
    QAction* playAction() const { return m_play; }
    QAction* noteAction() const { return m_note; }

    // The right-click at point (view coordinates): finds the aya there, asks for it to become
    // current and shows the menu; outside any aya the page's own menu shows alone.
    void showAt(const QPoint& point);

    // The aya's text, translations and reference on the clipboard, as plain text and HTML.
    static void copyAya(TQuranPos pos);

signals:
    // The aya under the mouse; the window makes it the current one.
    void ayaTargeted(TQuranPos pos);
    void playRequested(TQuranPos pos);
    void noteRequested(TQuranPos pos);
    // The menu is up for pos (none: outside any aya).
    void menuShown(std::optional<TQuranPos> pos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watchKeysOf(QObject* object);
    void popUp(const QPoint& globalPoint, std::optional<TQuranPos> pos);

    QPointer<QWebEngineView> m_view;
    QMenu* m_menu = nullptr;
    QMenu* m_pageMenu = nullptr;
    QAction* m_copy = nullptr;
    QAction* m_play = nullptr;
    QAction* m_note = nullptr;
    QAction* m_bookmark = nullptr;
    std::function<std::optional<TQuranPos>()> m_currentAya;
    std::optional<TQuranPos> m_target;
};

class TopicsTab;

// Selects pos's bookmark in the Topics tab and puts the cursor in its note.
void openNoteOf(TopicsTab& topics, TQuranPos pos);

// "2_255", the id of an aya in the page, as a position that exists; none otherwise.
std::optional<TQuranPos> ayaOfElementId(const QString& id);

} // namespace tilvane

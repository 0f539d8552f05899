#include "gui/ui/aya_context_menu.h"

#include "core/app/reader_options.h"
#include "core/render/aya_copy.h"
#include "gui/app/error_handler.h"
#include "gui/i18n/live_text.h"
#include "gui/library/bookmark_tree.h"
#include "gui/library/topics_tab.h"

#include <QAction>
#include <QApplication>
#include <QChildEvent>
#include <QClipboard>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTreeWidgetItemIterator>
#include <QWebEngineView>

namespace tilvane {

namespace {

// The id of the aya block (div.aya, or span.aya in the inline view) at a point of the view.
QString ayaAtPointScript(const QPointF& cssPoint)
{
    return QStringLiteral("(function(){var e=document.elementFromPoint(%1,%2);"
                          "while(e&&!(e.classList&&e.classList.contains('aya')))e=e.parentElement;"
                          "return e?e.id:'';})()")
        .arg(cssPoint.x())
        .arg(cssPoint.y());
}

} // namespace

std::optional<TQuranPos> ayaOfElementId(const QString& id)
{
    QString position = id;
    return parseAyaPosition(position.replace('_', ':').toStdString());
}

AyaContextMenu::AyaContextMenu(QWebEngineView* view, QMenu* pageMenu, QAction* bookmarkAction,
                               std::function<std::optional<TQuranPos>()> currentAya, QObject* parent)
    : QObject(parent)
    , m_view(view)
    , m_pageMenu(pageMenu)
    , m_bookmark(bookmarkAction)
    , m_currentAya(std::move(currentAya))
{
    m_menu = new QMenu(view);
    m_menu->setObjectName("pmAya");
    // Owned here: the menu is refilled for every right-click, and clear() deletes its own.
    m_copy = new QAction(this);
    keepTranslatedText(m_copy, [] { return tr("Copy aya"); });
    m_copy->setShortcut(QKeySequence::Copy);
    m_copy->setShortcutContext(Qt::WidgetShortcut); // Ctrl+C itself is handled in the page
    m_play = new QAction(this);
    keepTranslatedText(m_play, [] { return tr("Play from here"); });
    m_note = new QAction(this);
    keepTranslatedText(m_note, [] { return tr("Add note…"); });
    connect(m_copy, &QAction::triggered, this, guarded([this] {
        if (m_target)
            copyAya(*m_target);
    }));
    connect(m_play, &QAction::triggered, this, [this] {
        if (m_target)
            emit playRequested(*m_target);
    });
    connect(m_note, &QAction::triggered, this, [this] {
        if (m_target)
            emit noteRequested(*m_target);
    });
    watchKeysOf(view);
}

void AyaContextMenu::showAt(const QPoint& point)
{
    if (!m_view)
        return;
    const QPoint global = m_view->mapToGlobal(point);
    const QPointF cssPoint = QPointF(point) / m_view->zoomFactor();
    m_view->page()->runJavaScript(ayaAtPointScript(cssPoint), [this, global](const QVariant& id) {
        const std::optional<TQuranPos> pos = ayaOfElementId(id.toString());
        if (pos)
            emit ayaTargeted(*pos);
        popUp(global, pos);
    });
}

void AyaContextMenu::popUp(const QPoint& globalPoint, std::optional<TQuranPos> pos)
{
    m_target = pos;
    m_menu->clear();
    if (pos) {
        m_menu->addActions({m_copy, m_play, m_bookmark, m_note});
        m_menu->addSeparator();
    }
    if (m_pageMenu != nullptr) {
        for (QAction* action : m_pageMenu->actions())
            if (action != m_bookmark || !pos)
                m_menu->addAction(action);
    }
    emit menuShown(pos);
    m_menu->popup(globalPoint);
}

void AyaContextMenu::copyAya(TQuranPos pos)
{
    const AyaCopy copy = composeAyaCopy(pos);
    if (copy.plainText.empty())
        return;
    auto* mime = new QMimeData;
    mime->setText(QString::fromStdString(copy.plainText));
    mime->setHtml(QString::fromStdString(copy.html));
    QApplication::clipboard()->setMimeData(mime);
}

// The engine draws the page in a child widget made after the view, which gets the keys.
void AyaContextMenu::watchKeysOf(QObject* object)
{
    object->installEventFilter(this);
    for (QObject* child : object->children())
        if (child->isWidgetType())
            child->installEventFilter(this);
}

bool AyaContextMenu::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ChildAdded) {
        QObject* child = static_cast<QChildEvent*>(event)->child();
        if (child->isWidgetType())
            child->installEventFilter(this);
    } else if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)
               && m_view && !m_view->hasSelection()) {
        if (const std::optional<TQuranPos> current = m_currentAya()) {
            runGuarded([&] { copyAya(*current); });
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tilvane

namespace tilvane {

void openNoteOf(TopicsTab& topics, TQuranPos pos)
{
    BookmarkTree* tree = topics.tree();
    for (QTreeWidgetItemIterator it(tree); *it != nullptr; ++it) {
        if (BookmarkTree::bookmarkOf(*it) == pos) {
            tree->setCurrentItem(*it);
            tree->scrollToItem(*it);
            topics.noteEditor()->setFocus();
            return;
        }
    }
}

} // namespace tilvane

#include "gui/library/topics_tab.h"

#include "core/library/library_file.h"
#include "gui/app/error_handler.h"
#include "gui/app/saved_file_notice.h"
#include "gui/i18n/live_text.h"
#include "gui/library/bookmark_tree.h"
#include "gui/library/library.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

namespace tilvane {

namespace {

// Long enough to let a word be typed, short enough that a note is never far behind.
constexpr int kNoteSaveDelayMs = 600;

QString positionText(TQuranPos pos)
{
    return QStringLiteral("%1:%2").arg(pos.Sura).arg(pos.Aya);
}

} // namespace

TopicsTab::TopicsTab(Library& library, QWidget* parent)
    : QWidget(parent), m_library(library)
{
    setObjectName("tabTopics");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(createProblemPanel());

    m_content = new QWidget(this);
    auto* contentLayout = new QVBoxLayout(m_content);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->addWidget(createButtons());
    auto* splitter = new QSplitter(Qt::Horizontal, m_content);
    m_tree = new BookmarkTree(splitter);
    m_tree->setObjectName("tvBookmarks");
    m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* notePanel = new QWidget(splitter);
    auto* noteLayout = new QVBoxLayout(notePanel);
    noteLayout->setContentsMargins(4, 0, 0, 0);
    m_noteCaption = new QLabel(notePanel);
    m_note = new QPlainTextEdit(notePanel);
    m_note->setObjectName("edtNote");
    m_note->setEnabled(false);
    m_noteCaption->setBuddy(m_note);
    noteLayout->addWidget(m_noteCaption);
    noteLayout->addWidget(m_note, 1);
    splitter->addWidget(m_tree);
    splitter->addWidget(notePanel);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    contentLayout->addWidget(splitter, 1);
    layout->addWidget(m_content, 1);

    auto* deleteAction = new QAction(m_tree);
    keepTranslatedText(deleteAction, [] { return tr("&Delete Bookmark"); });
    deleteAction->setShortcut(QKeySequence::Delete);
    deleteAction->setShortcutContext(Qt::WidgetShortcut);
    m_tree->addAction(deleteAction);
    m_undo = new QAction(this);
    keepTranslatedText(m_undo, [] { return tr("&Undo Delete Bookmark"); });
    m_undo->setObjectName("actUndoRemoveBookmark");
    m_undo->setShortcut(QKeySequence::Undo);
    m_undo->setEnabled(false);

    m_noteTimer.setSingleShot(true);
    m_noteTimer.setInterval(kNoteSaveDelayMs);
    connect(&m_noteTimer, &QTimer::timeout, this, guarded([this] { saveNoteNow(); }));
    connect(m_note, &QPlainTextEdit::textChanged, this, [this] {
        if (m_notePos) {
            m_noteDirty = true;
            m_noteTimer.start();
        }
    });
    connect(deleteAction, &QAction::triggered, this, guarded([this] { deleteBookmark(); }));
    connect(m_undo, &QAction::triggered, this, guarded([this] { m_library.undoRemove(); }));
    connect(&m_library, &Library::undoAvailable, m_undo, &QAction::setEnabled);
    connect(&m_library, &Library::changed, this, guarded([this] { refresh(); }));
    connect(m_tree, &QTreeWidget::currentItemChanged, this, guarded([this] { currentChanged(); }));
    connect(m_tree, &QTreeWidget::itemActivated, this, guarded([this](QTreeWidgetItem* item) { activate(item); }));
    connect(m_tree, &QWidget::customContextMenuRequested, this,
            guarded([this](const QPoint& position) { showContextMenu(position); }));
    connect(m_tree, &BookmarkTree::moveRequested, this,
            guarded([this](TQuranPos pos, const QString& from, const QString& to) { moveBookmark(pos, from, to); }));
    refresh();
    keepTranslated(m_noteCaption, [this] { updateNoteCaption(); });
}

// A window that goes without closing (the program ends) still keeps the last words typed.
TopicsTab::~TopicsTab()
{
    runGuarded([this] { saveNoteNow(); });
}

QWidget* TopicsTab::createProblemPanel()
{
    m_problemPanel = new QWidget(this);
    auto* layout = new QHBoxLayout(m_problemPanel);
    m_problem = new QLabel(m_problemPanel);
    m_problem->setObjectName("lblLibraryProblem");
    m_problem->setWordWrap(true);
    m_problem->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* retry = new QPushButton(m_problemPanel);
    keepTranslatedText(retry, [] { return tr("&Try Again"); });
    m_moveAside = new QPushButton(m_problemPanel);
    keepTranslatedText(m_moveAside, [] { return tr("&Move Aside and Start Afresh"); });
    m_moveAside->setObjectName("btnLibraryMoveAside");
    layout->addWidget(m_problem, 1);
    layout->addWidget(retry);
    layout->addWidget(m_moveAside);
    connect(retry, &QPushButton::clicked, this, guarded([this] { m_library.open(); }));
    connect(m_moveAside, &QPushButton::clicked, this, guarded([this] { m_library.moveAsideAndStartAfresh(); }));
    return m_problemPanel;
}

QWidget* TopicsTab::createButtons()
{
    auto* bar = new QWidget(this);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto button = [&](const char* caption, void (TopicsTab::*slot)()) {
        auto* push = new QPushButton(bar);
        keepTranslatedText(push, [caption] { return tr(caption); });
        connect(push, &QPushButton::clicked, this, guarded([this, slot] { (this->*slot)(); }));
        layout->addWidget(push);
    };
    button(QT_TR_NOOP("&New Topic..."), &TopicsTab::newTopic);
    button(QT_TR_NOOP("&Rename Topic..."), &TopicsTab::renameTopic);
    button(QT_TR_NOOP("De&lete Topic"), &TopicsTab::deleteTopic);
    layout->addStretch(1);
    button(QT_TR_NOOP("&Export..."), &TopicsTab::exportFile);
    button(QT_TR_NOOP("&Import..."), &TopicsTab::importFile);
    return bar;
}

void TopicsTab::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Another reader may have changed the library meanwhile.
    runGuarded([this] { refresh(); });
}

void TopicsTab::refresh()
{
    saveNoteNow();
    m_problemPanel->setVisible(!m_library.isAvailable());
    m_problem->setText(m_library.problem());
    m_moveAside->setVisible(m_library.canMoveAside());
    m_content->setEnabled(m_library.isAvailable());
    m_tree->fill(m_library.read([](BookmarkStore& store) { return store.topics(); }),
                 m_library.read([](BookmarkStore& store) { return store.list(); }));
    currentChanged();
}

void TopicsTab::currentChanged()
{
    saveNoteNow();
    m_notePos = m_tree->currentBookmark();
    const std::optional<Bookmark> bookmark =
        m_notePos ? m_library.read([this](BookmarkStore& store) { return store.find(*m_notePos); }) : std::nullopt;
    if (!bookmark)
        m_notePos.reset();
    const QSignalBlocker blocker(m_note);
    m_note->setPlainText(bookmark ? QString::fromStdString(bookmark->note) : QString());
    m_note->setEnabled(m_notePos.has_value());
    // A read-only library would refuse every keystroke; the note is shown, not edited.
    m_note->setReadOnly(m_library.isReadOnly());
    updateNoteCaption();
}

void TopicsTab::updateNoteCaption()
{
    if (!m_notePos)
        m_noteCaption->setText(tr("N&ote"));
    else if (m_library.isReadOnly())
        m_noteCaption->setText(tr("N&ote on %1 (read-only library)").arg(positionText(*m_notePos)));
    else
        m_noteCaption->setText(tr("N&ote on %1 (kept as you type)").arg(positionText(*m_notePos)));
}

void TopicsTab::saveNoteNow()
{
    if (!m_noteDirty || !m_notePos)
        return;
    m_noteTimer.stop();
    const std::string note = m_note->toPlainText().toStdString();
    m_library.saveNote(*m_notePos, note);
    m_noteDirty = false;
    m_tree->setNoteShown(*m_notePos, note);
}

void TopicsTab::activate(QTreeWidgetItem* item)
{
    if (const std::optional<TQuranPos> pos = BookmarkTree::bookmarkOf(item))
        emit gotoRequested(pos->Sura, pos->Aya);
}

void TopicsTab::showContextMenu(const QPoint& position)
{
    QTreeWidgetItem* item = m_tree->itemAt(position);
    if (item == nullptr || !m_library.isAvailable())
        return;
    m_tree->setCurrentItem(item);
    QMenu menu(this);
    if (const std::optional<TQuranPos> pos = BookmarkTree::bookmarkOf(item)) {
        menu.addAction(tr("&Go to Aya"), this, [this, item] { activate(item); });
        addTopicMenus(menu, *pos);
        menu.addSeparator();
        menu.addActions(m_tree->actions());
    } else if (item->text(0) != kUnsortedTopic) {
        menu.addAction(tr("&Rename Topic..."), this, guarded([this] { renameTopic(); }));
        menu.addAction(tr("De&lete Topic"), this, guarded([this] { deleteTopic(); }));
    }
    menu.addAction(tr("&New Topic..."), this, guarded([this] { newTopic(); }));
    menu.exec(m_tree->viewport()->mapToGlobal(position));
}

void TopicsTab::addTopicMenus(QMenu& menu, TQuranPos pos)
{
    const QString from = m_tree->currentTopic();
    QMenu* moveTo = menu.addMenu(tr("&Move to Topic"));
    QMenu* addTo = menu.addMenu(tr("&Add to Topic"));
    std::vector<std::string> names = m_library.read([](BookmarkStore& store) { return store.topics(); });
    names.push_back(kUnsortedTopic);
    for (const std::string& name : names) {
        const QString to = QString::fromStdString(name);
        if (to == from)
            continue;
        moveTo->addAction(to, this, guarded([this, pos, from, to] { moveBookmark(pos, from, to); }));
        if (to != kUnsortedTopic)
            addTo->addAction(to, this, guarded([this, pos, to] {
                m_library.change([&](BookmarkStore& store) { store.addToTopic(pos, to.toStdString()); });
            }));
    }
}

void TopicsTab::moveBookmark(TQuranPos pos, const QString& from, const QString& to)
{
    m_library.change([&](BookmarkStore& store) { store.moveToTopic(pos, from.toStdString(), to.toStdString()); });
}

void TopicsTab::newTopic()
{
    bool ok = false;
    const QString name = QInputDialog::getText(this, tr("New Topic"), tr("Topic name:"), QLineEdit::Normal, {}, &ok)
                             .trimmed();
    if (!ok || name.isEmpty())
        return;
    const std::optional<TQuranPos> pos = m_tree->currentBookmark();
    m_library.change([&](BookmarkStore& store) {
        store.addTopic(name.toStdString());
        // A topic made from a bookmark's row takes that bookmark in.
        if (pos)
            store.addToTopic(*pos, name.toStdString());
    });
}

void TopicsTab::renameTopic()
{
    const QString from = m_tree->currentTopic();
    if (from.isEmpty() || from == kUnsortedTopic)
        return;
    bool ok = false;
    const QString to = QInputDialog::getText(this, tr("Rename Topic"), tr("New name:"), QLineEdit::Normal, from, &ok)
                           .trimmed();
    if (ok && !to.isEmpty() && to != from)
        m_library.change([&](BookmarkStore& store) { store.renameTopic(from.toStdString(), to.toStdString()); });
}

void TopicsTab::deleteTopic()
{
    const QString name = m_tree->currentTopic();
    if (name.isEmpty() || name == kUnsortedTopic)
        return;
    m_library.change([&](BookmarkStore& store) { store.removeTopic(name.toStdString()); });
}

void TopicsTab::deleteBookmark()
{
    if (const std::optional<TQuranPos> pos = m_tree->currentBookmark()) {
        // The note goes with the bookmark, and comes back whole with Undo.
        saveNoteNow();
        m_library.remove(*pos);
    }
}

void TopicsTab::exportFile()
{
    const QString file = QFileDialog::getSaveFileName(this, tr("Export Bookmarks"),
                                                      QDir(documentsFolder()).filePath("tilvane-bookmarks.json"),
                                                      tr("Bookmark files (*.json)"));
    if (file.isEmpty())
        return;
    m_library.read([&](BookmarkStore& store) { exportLibrary(store, file.toStdString()); });
    showSavedFileNotice(this, tr("Export Bookmarks"), file);
}

void TopicsTab::importFile()
{
    const QString file = QFileDialog::getOpenFileName(this, tr("Import Bookmarks"), {}, tr("Bookmark files (*.json)"));
    if (file.isEmpty())
        return;
    ImportSummary summary;
    m_library.change([&](BookmarkStore& store) { summary = importLibrary(store, file.toStdString()); });
    QMessageBox::information(this, tr("Import Bookmarks"),
                             tr("%1 bookmarks read (%2 new), %3 topics.")
                                 .arg(summary.bookmarks).arg(summary.added).arg(summary.topics));
}

} // namespace tilvane

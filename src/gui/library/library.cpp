#include "gui/library/library.h"

#include "core/library/library_location.h"
#include "gui/ui/reader_timings.h"

#include <QElapsedTimer>

namespace tilvane {

Library::Library(std::string path, QObject* parent)
    : QObject(parent), m_path(std::move(path))
{
}

Library::~Library() = default;

void Library::open()
{
    QElapsedTimer clock;
    clock.start();
    m_store.reset();
    m_problem.clear();
    m_canMoveAside = false;
    try {
        m_store = std::make_unique<BookmarkStore>(m_path);
    } catch (const LibraryError& error) {
        setProblem(error);
    }
    // What the database adds to start-up.
    if (ReaderTimings::enabled())
        ReaderTimings::print("library-open", static_cast<double>(clock.nsecsElapsed()) / 1e6);
    emit changed();
}

void Library::moveAsideAndStartAfresh()
{
    m_store.reset();
    moveLibraryAside(m_path);
    open();
}

void Library::fail(const LibraryError& error)
{
    // A lock held by another reader passes, as does a change refused by a read-only library
    // (it still lists); a file that went bad or away does not.
    if (error.kind() == LibraryError::Kind::Locked || error.kind() == LibraryError::Kind::ReadOnly)
        return;
    m_store.reset();
    setProblem(error);
    emit changed();
}

void Library::setProblem(const LibraryError& error)
{
    m_problem = QString::fromStdString(error.what());
    m_canMoveAside = error.kind() == LibraryError::Kind::Damaged || error.kind() == LibraryError::Kind::Unreadable;
}

void Library::change(const std::function<void(BookmarkStore&)>& fn)
{
    if (!m_store)
        throw TilvaneError(m_problem.toStdString());
    guardedCall([&] { fn(*m_store); });
    emit changed();
}

bool Library::toggle(TQuranPos pos)
{
    bool added = false;
    change([&](BookmarkStore& store) {
        std::optional<Bookmark> removed = store.remove(pos);
        added = !removed;
        if (added)
            store.add(pos);
        else
            setRemoved(std::move(removed));
    });
    return added;
}

void Library::saveNote(TQuranPos pos, const std::string& note)
{
    if (!m_store)
        throw TilvaneError(m_problem.toStdString());
    guardedCall([&] { m_store->setNote(pos, note); });
}

void Library::remove(TQuranPos pos)
{
    change([&](BookmarkStore& store) {
        if (std::optional<Bookmark> removed = store.remove(pos))
            setRemoved(std::move(removed));
    });
}

void Library::undoRemove()
{
    if (!m_removed)
        return;
    change([&](BookmarkStore& store) { store.restore(*m_removed); });
    setRemoved(std::nullopt);
}

void Library::setRemoved(std::optional<Bookmark> removed)
{
    m_removed = std::move(removed);
    emit undoAvailable(m_removed.has_value());
}

} // namespace tilvane

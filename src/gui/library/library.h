#pragma once

#include "core/library/bookmark_store.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>

namespace tilvane {

// The reader's bookmark library: the store when it can be used, or why it cannot, and the
// last removed bookmark for Undo. Owned by the main window; the Topics tab shows it.
class Library : public QObject {
    Q_OBJECT
public:
    explicit Library(std::string path, QObject* parent = nullptr);
    ~Library() override;

    // Opens the file; when that fails, the library is unavailable and problem() says why.
    void open();
    bool isAvailable() const { return m_store != nullptr; }
    // Available for reading only: every change is refused with a message saying so.
    bool isReadOnly() const { return m_store != nullptr && m_store->readOnly(); }
    const QString& problem() const { return m_problem; }
    // The file is damaged or unreadable and may be moved aside (not when it is merely in use
    // or from a newer version, which another program still reads).
    bool canMoveAside() const { return m_canMoveAside; }
    const std::string& path() const { return m_path; }
    // Renames the file (never deletes it) and starts a fresh library.
    void moveAsideAndStartAfresh();

    // Runs fn on the store and announces a change; a store error is rethrown for the
    // application's error handler, and a damaged file also makes the library unavailable.
    void change(const std::function<void(BookmarkStore&)>& fn);
    // Runs fn on the store without announcing a change; when unavailable nothing runs and
    // the result is empty.
    template <typename Fn>
    auto read(Fn fn)
    {
        using Result = decltype(fn(std::declval<BookmarkStore&>()));
        if (!m_store) {
            if constexpr (std::is_void_v<Result>)
                return;
            else
                return Result{};
        }
        return guardedCall([&] { return fn(*m_store); });
    }

    // Adds or removes the bookmark on pos; a removal can be undone. Returns whether pos is
    // bookmarked now.
    bool toggle(TQuranPos pos);
    // Writes a note without announcing a change: nothing else shows notes.
    void saveNote(TQuranPos pos, const std::string& note);
    void remove(TQuranPos pos);
    bool canUndo() const { return m_removed.has_value(); }
    void undoRemove();

signals:
    // Bookmarks, topics or notes changed (also when the library became available or not).
    void changed();
    void undoAvailable(bool available);

private:
    template <typename Fn>
    auto guardedCall(Fn fn)
    {
        try {
            return fn();
        } catch (const LibraryError& error) {
            fail(error);
            throw;
        }
    }
    void fail(const LibraryError& error);
    void setProblem(const LibraryError& error);
    void setRemoved(std::optional<Bookmark> removed);

    std::string m_path;
    std::unique_ptr<BookmarkStore> m_store;
    QString m_problem;
    bool m_canMoveAside = false;
    std::optional<Bookmark> m_removed;
};

} // namespace tilvane

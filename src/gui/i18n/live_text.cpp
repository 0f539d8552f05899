#include "gui/i18n/live_text.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>

#include <utility>
#include <vector>

namespace tilvane {

namespace {

// Installing or removing a translator sends LanguageChange to the application object; one
// filter there re-runs the texts of every owner still alive.
class LiveTexts : public QObject {
public:
    static LiveTexts& instance()
    {
        static QPointer<LiveTexts> texts;
        if (texts == nullptr) {
            texts = new LiveTexts(QCoreApplication::instance());
            QCoreApplication::instance()->installEventFilter(texts);
        }
        return *texts;
    }

    void add(QObject* owner, std::function<void()> apply) { m_entries.push_back({owner, std::move(apply)}); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == QCoreApplication::instance() && event->type() == QEvent::LanguageChange)
            refresh();
        return false;
    }

private:
    explicit LiveTexts(QObject* parent)
        : QObject(parent)
    {
    }

    void refresh()
    {
        std::erase_if(m_entries, [](const Entry& entry) { return entry.owner.isNull(); });
        // apply may add entries of new widgets; those are current already.
        const std::size_t count = m_entries.size();
        for (std::size_t i = 0; i < count; ++i) {
            if (m_entries[i].owner.isNull())
                continue;
            // A copy: an apply that adds entries may move the vector's storage.
            const std::function<void()> apply = m_entries[i].apply;
            apply();
        }
    }

    struct Entry {
        QPointer<QObject> owner;
        std::function<void()> apply;
    };
    std::vector<Entry> m_entries;
};

} // namespace

void keepTranslated(QObject* owner, std::function<void()> apply)
{
    apply();
    LiveTexts::instance().add(owner, std::move(apply));
}

} // namespace tilvane

#pragma once

#include <QElapsedTimer>

namespace tilvane {

// With TILVANE_TIMINGS=1 in the environment, prints one line per event to stderr, in
// milliseconds: first show to the first page loaded and focused, a sura change to its page
// loaded and focused, an aya move to the focus script's completion. Silent otherwise.
class ReaderTimings {
public:
    enum class Event { FirstPage, SuraChange, AyaMove };

    ReaderTimings();
    // Starts timing an event unless one is already being timed (a sura change that started
    // a rebuild stays the event until its focus completes).
    void start(Event event);
    // The focus script of the pending event has finished.
    void finish();
    // An event is being timed and has not finished yet.
    bool pending() const { return m_pending; }

    // The switch, and the one way a timing line is printed (also for the start-up steps
    // timed elsewhere, such as opening the bookmark library).
    static bool enabled();
    static void print(const char* name, double milliseconds);

private:
    bool m_enabled = false;
    bool m_pending = false;
    Event m_event = Event::FirstPage;
    QElapsedTimer m_clock;
};

} // namespace tilvane

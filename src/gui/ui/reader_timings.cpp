#include "gui/ui/reader_timings.h"

#include <QString>

#include <cstdio>

namespace tilvane {

ReaderTimings::ReaderTimings()
    : m_enabled(enabled())
{
}

bool ReaderTimings::enabled()
{
    return qEnvironmentVariable("TILVANE_TIMINGS") == QLatin1String("1");
}

void ReaderTimings::print(const char* name, double milliseconds)
{
    std::fprintf(stderr, "tilvane-timing %s %.3f ms\n", name, milliseconds);
    std::fflush(stderr);
}

void ReaderTimings::start(Event event)
{
    if (!m_enabled || m_pending)
        return;
    m_event = event;
    m_pending = true;
    m_clock.start();
}

void ReaderTimings::finish()
{
    if (!m_enabled || !m_pending)
        return;
    m_pending = false;
    const char* name = m_event == Event::FirstPage ? "first-page" : m_event == Event::SuraChange ? "sura-change" : "aya-move";
    print(name, static_cast<double>(m_clock.nsecsElapsed()) / 1e6);
}

} // namespace tilvane

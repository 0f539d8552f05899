#include "gui/ui/reader_timings.h"

#include <QString>

#include <cstdio>

namespace tilvane {

TReaderTimings::TReaderTimings()
    : m_enabled(qEnvironmentVariable("TILVANE_TIMINGS") == QLatin1String("1"))
{
}

void TReaderTimings::start(Event event)
{
    if (!m_enabled || m_pending)
        return;
    m_event = event;
    m_pending = true;
    m_clock.start();
}

void TReaderTimings::finish()
{
    if (!m_enabled || !m_pending)
        return;
    m_pending = false;
    const char* name = m_event == Event::FirstPage ? "first-page" : m_event == Event::SuraChange ? "sura-change" : "aya-move";
    std::fprintf(stderr, "tilvane-timing %s %lld ms\n", name, static_cast<long long>(m_clock.elapsed()));
    std::fflush(stderr);
}

} // namespace tilvane

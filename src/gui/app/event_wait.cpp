#include "gui/app/event_wait.h"

#include <QEventLoop>
#include <QTimer>

namespace tilvane {

void waitExcludingUserInput(std::chrono::milliseconds duration)
{
    QEventLoop loop;
    QTimer::singleShot(duration, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace tilvane

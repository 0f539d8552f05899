#include "gui/app/graphics_setup.h"

#include "gui/render/page_isolation.h"

#include <QCoreApplication>

namespace tilvane {

void setUpGraphicsBeforeApplication()
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
        qputenv("QT_QUICK_BACKEND", "software");
    setUpPageIsolationBeforeApplication();
}

} // namespace tilvane

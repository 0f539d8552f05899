#include "gui/app/graphics_setup.h"

#include <QCoreApplication>

namespace tilvane {

void setUpGraphicsBeforeApplication()
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
        qputenv("QT_QUICK_BACKEND", "software");
}

} // namespace tilvane

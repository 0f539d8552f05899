#include "gui/render/engine_flags.h"

#include <QByteArray>
#include <QtGlobal>

namespace tilvane {

namespace {

// The pages run a few short functions, so the script engine's optimising compiler buys
// nothing; without it (lite mode) the renderer took about 90 MB less at the peak of a tour of
// all suras with ten translations, and the tour was no slower.
// One page is shown at a time, with few images, so the engine's caches sized for many tabs
// are not needed: its low-end mode took the tour's peak about 18 MB lower, drew the same
// pixels and changed suras as fast.
constexpr char kReaderFlags[] = "--js-flags=--lite-mode --enable-low-end-device-mode";

} // namespace

void addWebEngineFlags()
{
    const QByteArray own = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", own.isEmpty() ? QByteArray(kReaderFlags) : kReaderFlags + (' ' + own));
}

} // namespace tilvane

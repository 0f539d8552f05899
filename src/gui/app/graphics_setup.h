#pragma once

namespace tilvane {

// Called before the application object exists. The web views need shared OpenGL contexts;
// and unless the user chose a Qt Quick backend, the pages are composed in software: they are
// text, which the software path draws as fast as the OpenGL one, while keeping Mesa's
// graphics stack out of the process (measured under Xvfb: the first page 534 ms instead of
// 748 ms, the process 220 MB resident instead of 255 MB); on X11 no OpenGL context is made
// at all then. The engine-wide page isolation is
// fixed here too, so that no program showing pages starts the engine without it.
void setUpGraphicsBeforeApplication();

} // namespace tilvane

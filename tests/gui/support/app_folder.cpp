#include "gui/support/app_folder.h"

#include "core/app/app_dirs.h"
#include "core/app/settings.h"
#include "gui/support/gui_app.h"

#include <filesystem>

namespace tilvane::test {

TestAppFolder::TestAppFolder()
{
    guiApp();
    // The data is only read from res/, so one built copy serves every test.
    std::filesystem::create_directory_symlink(std::string(TILVANE_BUILD_DIR) + "/res", m_folder / "res");
    ResetAppDirsForTesting();
    InitAppDirs(dir());
    AppSet = TAppSet{};
}

} // namespace tilvane::test

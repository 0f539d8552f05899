#include "gui/support/app_folder.h"

#include "core/app/app_dirs.h"
#include "core/app/settings.h"
#include "core/quran/translations.h"
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
    TransSlots.clear();
    ActiveTransCount = 0;
}

} // namespace tilvane::test

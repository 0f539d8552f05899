#include "gui/support/app_folder.h"

#include "core/app/app_dirs.h"
#include "core/app/settings.h"
#include "core/quran/translations.h"
#include "gui/support/gui_app.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace tilvane::test {

namespace {

// Made once per test process; the script keeps files that exist.
std::string syntheticRecitationFolder()
{
    static const std::string folder = [] {
        const std::string target = std::string(std::getenv("TILVANE_TEST_PROCESS_DIR")) + "/recitation";
        const std::string command = "bash '" + std::string(TILVANE_SOURCE_DIR) + "/scripts/make-test-recitation.sh' '"
            + target + "' > /dev/null";
        if (std::system(command.c_str()) != 0)
            throw std::runtime_error("cannot make the synthetic recitation: " + command);
        return target;
    }();
    return folder;
}

} // namespace

TestAppFolder::TestAppFolder(Recitation recitation)
{
    guiApp();
    // The data is only read from res/, so one built copy serves every test.
    const std::filesystem::path builtRes = std::string(TILVANE_BUILD_DIR) + "/res";
    if (recitation == Recitation::None) {
        std::filesystem::create_directory_symlink(builtRes, m_folder / "res");
    } else {
        std::filesystem::create_directory(m_folder / "res");
        for (const char* name : {"lib.tvz", "libina.tvz", "trans"})
            std::filesystem::create_symlink(builtRes / name, m_folder / "res" / name);
        if (recitation == Recitation::Synthetic)
            std::filesystem::create_directory_symlink(syntheticRecitationFolder(), m_folder / "res" / "audio");
        else
            std::filesystem::create_directory(m_folder / "res" / "audio");
    }
    ResetAppDirsForTesting();
    InitAppDirs(dir());
    AppSet = TAppSet{};
    TransSlots.clear();
    ActiveTransCount = 0;
}

} // namespace tilvane::test

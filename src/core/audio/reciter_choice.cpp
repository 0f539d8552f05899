#include "core/audio/reciter_choice.h"

#include "core/app/app_dirs.h"
#include "core/audio/reciter_layout.h"
#include "core/base/ini_file.h"

#include <optional>
#include <vector>

namespace tilvane {

std::string reciterToUse(const std::string& stored)
{
    if (isReciterInstalled(stored))
        return stored;
    const std::vector<std::string> installed = installedReciters();
    return installed.size() == 1 ? installed.front() : stored;
}

ReciterState reciterState(const std::string& reciter)
{
    if (isReciterInstalled(reciter))
        return ReciterState::Installed;
    return installedReciters().empty() ? ReciterState::NoneInstalled : ReciterState::NotInstalled;
}

void saveReciterChoice(const std::string& reciter)
{
    // An unreadable settings file is not replaced by one holding this key alone.
    std::optional<IniFile> ini = IniFile::loadIfReadable(IniFileName);
    if (!ini)
        return;
    ini->writeString("audio", "Reciter", reciter);
    ini->save(IniFileName);
}

} // namespace tilvane

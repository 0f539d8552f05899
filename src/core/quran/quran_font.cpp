#include "core/quran/quran_font.h"

#include <fontconfig/fontconfig.h>

#include <cstring>
#include <filesystem>

namespace tilvane {

namespace fs = std::filesystem;

namespace {

// Copies under a temporary name first, so that an interrupted copy never leaves a broken font
// that later starts would take for an installed one.
void copyFontInto(const std::string& source, const std::string& fontDir, const std::string& target)
{
    std::error_code error;
    fs::create_directories(fontDir, error);
    const std::string partial = target + ".part";
    if (!fs::copy_file(source, partial, fs::copy_options::overwrite_existing, error)) {
        fs::remove(partial, error);
        return;
    }
    fs::rename(partial, target, error);
    if (error)
        fs::remove(partial, error);
}

void registerForThisProcess(const std::string& path)
{
    FcConfig* config = FcConfigGetCurrent();
    if (config != nullptr && !isApplicationFont(path))
        FcConfigAppFontAddFile(config, reinterpret_cast<const FcChar8*>(path.c_str()));
}

} // namespace

bool isApplicationFont(const std::string& path)
{
    FcConfig* config = FcConfigGetCurrent();
    const FcFontSet* fonts = config != nullptr ? FcConfigGetFonts(config, FcSetApplication) : nullptr;
    if (fonts == nullptr)
        return false;
    for (int i = 0; i < fonts->nfont; ++i) {
        FcChar8* file = nullptr;
        if (FcPatternGetString(fonts->fonts[i], FC_FILE, 0, &file) == FcResultMatch
            && std::strcmp(reinterpret_cast<const char*>(file), path.c_str()) == 0)
            return true;
    }
    return false;
}

void installQuranFont(const std::string& libDir, const std::string& fontDir)
{
    const std::string source = libDir + kQuranFontFile;
    const std::string target = fontDir + kQuranFontFile;
    std::error_code error;
    if (!fs::exists(target, error) && fs::is_regular_file(source, error))
        copyFontInto(source, fontDir, target);
    if (fs::is_regular_file(target, error))
        registerForThisProcess(target);
    fs::remove(source, error);
}

} // namespace tilvane

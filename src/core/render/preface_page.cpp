#include "core/render/preface_page.h"

#include "core/app/app_dirs.h"
#include "core/base/errors.h"
#include "core/app/paths.h"
#include "core/quran/line_list.h"
#include "core/quran/sura_table.h"
#include "core/render/fragment_format.h"
#include "core/render/fragments.h"

namespace tilvane {

std::string prefacePageFileName(int sura, bool isPreface)
{
    std::string name = "s";
    name += ZeroPad(sura, 3);
    name += isPreface ? "a_fmt.htm" : "z_fmt.htm";
    return name;
}

std::string WritePrefacePage(int sura, bool isPreface, const std::string& pageFile)
{
    if (sura < 1 || sura > kSuraCount)
        throw TilvaneError("There is no sura " + std::to_string(sura) + "; suras are numbered 1 to 114.");
    const LineList body = LineList::loadFromFile(AppDirs.AzDir + pageFile);

    LineList page;
    const std::string title = std::to_string(sura) + ". " + SuraLatinNames[static_cast<std::size_t>(sura)];
    page.add(formatFragment(PrefaceHead, {PathToFileUrl(AppDirs.TempDir), title}));
    page.add(formatFragment(PrefaceBodyOpen, {std::to_string(sura) + (isPreface ? "_a" : "_z")}));
    page.add(isPreface ? PrefaceTitle : ClosingTitle);
    for (const std::string& line : body)
        page.add(line);
    page.add(PrefaceBodyClose);
    page.add(PrefacePageClose);

    const std::string path = AppDirs.InaazfmtDir + prefacePageFileName(sura, isPreface);
    page.saveToFile(path);
    return path;
}

void ShowPrefacePage(int sura, bool isPreface, const std::string& pageFile, IPrefaceHost& host)
{
    const std::string path = WritePrefacePage(sura, isPreface, pageFile);
    host.showSuraBehindPreface(sura);
    host.showPrefacePage(path);
}

} // namespace tilvane

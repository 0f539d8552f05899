#include "core/app/font_substitute.h"
#include "core/base/markup_escape.h"

#include "core/base/ascii_case.h"

#include <fontconfig/fontconfig.h>

#include <mutex>
#include <set>

namespace tilvane {

namespace {

// The web engine takes a font for a family only when fontconfig's first family after its
// substitutions is the one it found, so the replacement is assigned in place of the family
// rather than merely accepted after it.
std::string substitutionRule(const std::string& family, const std::string& replacement)
{
    return "<?xml version=\"1.0\"?><!DOCTYPE fontconfig SYSTEM \"fonts.dtd\"><fontconfig>"
           "<match target=\"pattern\"><test name=\"family\" qual=\"any\" ignore-blanks=\"true\"><string>" +
           markupEscaped(family) +
           "</string></test><edit name=\"family\" mode=\"assign\" binding=\"same\"><string>" +
           markupEscaped(replacement) + "</string></edit></match></fontconfig>";
}

} // namespace

const std::vector<std::string>& tahomaLikeFamilies()
{
    static const std::vector<std::string> families{"DejaVu Sans", "Noto Sans", "Liberation Sans"};
    return families;
}

bool isFontFamilyInstalled(const std::string& family)
{
    FcPattern* pattern = FcPatternCreate();
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
    FcFontSet* fonts = FcFontList(nullptr, pattern, objects);
    bool found = false;
    for (int i = 0; fonts != nullptr && i < fonts->nfont && !found; ++i) {
        FcChar8* name = nullptr;
        for (int n = 0; !found && FcPatternGetString(fonts->fonts[i], FC_FAMILY, n, &name) == FcResultMatch; ++n)
            found = equalsIgnoringAsciiCase(reinterpret_cast<const char*>(name), family);
    }
    if (fonts != nullptr)
        FcFontSetDestroy(fonts);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    return found;
}

std::string substituteMissingFamily(const std::string& family, const std::vector<std::string>& candidates)
{
    static std::mutex guard;
    static std::set<std::string> done;
    const std::lock_guard lock(guard);
    if (family.empty() || done.count(family) != 0 || isFontFamilyInstalled(family))
        return {};
    for (const std::string& candidate : candidates) {
        if (!isFontFamilyInstalled(candidate))
            continue;
        FcConfig* config = FcConfigGetCurrent();
        const std::string rule = substitutionRule(family, candidate);
        if (config == nullptr
            || !FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8*>(rule.c_str()), FcFalse))
            return {};
        done.insert(family);
        return candidate;
    }
    return {};
}

} // namespace tilvane

#include "core/quran/contents_tree.h"

#include "core/app/paths.h"
#include "core/quran/short_string.h"
#include "core/quran/sura_table.h"

namespace tilvane {

namespace {


ContentsItem makeItem(std::string text, int sura, std::uint8_t kind, std::string pageFile, ContentsImage image,
                       ContentsImage selectedImage)
{
    return ContentsItem{std::move(text), TContentNode{sura, kind, shortString(pageFile, kShortNameLength)},
                         image, selectedImage};
}

} // namespace

std::vector<TContentsSura> contentsTree()
{
    std::vector<TContentsSura> suras;
    suras.reserve(kSuraCount);
    for (int sura = 1; sura <= kSuraCount; ++sura) {
        const std::string number = ZeroPad(sura, 3);
        TContentsSura entry;
        entry.item = makeItem(number + ". " + SuraLatinNames[sura], sura, kContentSura, "-", kSuraImage,
                              kSuraSelectedImage);
        entry.children = {
            makeItem("Mukadimah", sura, kContentPreface, "s" + number + "a.htm", kPageImage, kPageImage),
            makeItem("Surat", sura, kContentSuraText, "[none]", kSuraTextImage, kSuraTextImage),
            makeItem("Penutup", sura, kContentClosing, "s" + number + "z.htm", kPageImage, kPageImage),
        };
        suras.push_back(std::move(entry));
    }
    return suras;
}

} // namespace tilvane

#include "core/render/sura_page.h"

#include "core/app/app_dirs.h"
#include "core/base/errors.h"
#include "core/app/paths.h"
#include "core/app/settings.h"
#include "core/quran/quran_store.h"
#include "core/quran/sura_table.h"
#include "core/quran/translation_files.h"
#include "core/quran/translations.h"
#include "core/render/footnotes.h"
#include "core/render/fragment_format.h"
#include "core/render/fragments.h"
#include "core/render/stylesheets.h"
#include "core/render/tajweed_styles.h"
#include "core/tajweed/tajweed_markup.h"
#include "core/render/text_search.h"

#include <vector>

namespace tilvane {

namespace {

constexpr const char* kTranslationLanguage = "in";
constexpr const char* kSlotSeparator = "      <p>\r";

void checkSura(int sura)
{
    if (sura < 1 || sura > kSuraCount)
        throw TilvaneError("There is no sura " + std::to_string(sura) + "; suras are numbered 1 to 114.");
}

bool hasFootnotes(int viewStyle)
{
    return viewStyle == kViewArabicAndTranslations || viewStyle == kViewTranslationsOnly;
}

class SuraPageComposer {
public:
    explicit SuraPageComposer(int sura)
        : m_sura(sura), m_info(SuraTable[static_cast<std::size_t>(sura)]), m_viewStyle(AppSet.ViewStyle),
          m_footnotes(InaFoot, PageFootnotes, AppDirs.TempDir),
          m_latinStyle(std::to_string(AppSet.TransFontSize) + "pt;color:" + RgbText(AppSet.ArabicLatinFontColor)),
          m_tajweed(AppSet.Tajweed && m_viewStyle != kViewTranslationsOnly)
    {
    }

    LineList compose()
    {
        applyBismillahRule();
        const char* screenCss = m_viewStyle == kViewArabicOnly ? "screen_2.css" : "screen.css";
        const std::string head = formatFragment(HeadFragment, {PathToFileUrl(AppDirs.TempDir), screenCss});
        m_page.add(m_tajweed ? withTajweedStylesheet(head) : head);
        appendTitle();
        PageFootnotes.clear();
        m_translations = activeTranslationIndexes();
        readPackageAyat();
        for (int g = m_info.FirstAya, aya = 1; g <= m_info.LastAya; ++g, ++aya)
            appendAya(g, aya);
        if (hasFootnotes(m_viewStyle)) {
            m_page.add("<!-- FootNote -->");
            for (const std::string& tip : PageFootnotes)
                m_page.add(tip);
        }
        m_page.add(PageClose);
        return std::move(m_page);
    }

private:
    // The data store the first aya of most suras with the bismillah (the text of 1:1) in
    // front; the page shows it once, in the heading, instead.
    void applyBismillahRule()
    {
        if (m_sura == 1)
            return;
        const std::string& bismillah = ayaLine(QuranUthmani, 1);
        m_firstAyaText = ayaLine(QuranUthmani, m_info.FirstAya);
        if (!containsIgnoringAsciiCase(m_firstAyaText, bismillah))
            return;
        m_firstAyaText = removeAllIgnoringAsciiCase(m_firstAyaText, bismillah);
        m_bismillahBlock = formatFragment(BismillahBlock, {m_tajweed ? cachedTajweedSpans(1, bismillah) : bismillah});
    }

    void appendTitle()
    {
        if (m_viewStyle == kViewTranslationsOnly) {
            m_page.add(TransBodyOpen);
            // The translation of 1:1 without its aya number and its footnote mark.
            std::string bismillah = removeAll(ayaLine(InaTran, 1), "1.");
            bismillah = removeAll(bismillah, "<sup><b>[1]</b></sup>.");
            m_page.add(formatFragment(SuraHeader, {SuraLatinNames[static_cast<std::size_t>(m_sura)], "<p>" + bismillah}));
            return;
        }
        m_page.add(QuranBodyOpen);
        const std::string title = SuraNameAr.lineOrEmpty(static_cast<std::size_t>(m_sura) - 1) + " " + SuraWordAr;
        m_page.add(formatFragment(SuraHeader, {title, m_bismillahBlock}));
        if (m_tajweed)
            m_page.add(tajweedLegendBlock());
    }

    void appendAya(int g, int aya)
    {
        const std::string id = std::to_string(m_sura) + "_" + std::to_string(aya);
        const std::string& plain = (g == m_info.FirstAya && m_sura != 1) ? m_firstAyaText : ayaLine(QuranUthmani, g);
        const std::string& arabic = m_tajweed ? cachedTajweedSpans(g, plain) : plain;
        const std::string sign = ToArabicDigits(aya);
        switch (m_viewStyle) {
        case kViewArabicAndTranslations:
            m_page.add(formatFragment(AyaBlockOpen, {id}));
            m_page.add(formatFragment(ArabicBlock, {arabic, sign}));
            appendTranslations(g, id);
            m_page.add(AyaBlockClose);
            break;
        case kViewArabicOnly:
            m_page.add(formatFragment(InlineAya, {id, arabic, sign}));
            break;
        case kViewArabicAyaPerLine:
            m_page.add(formatFragment(AyaBlockOpen, {id}));
            m_page.add(formatFragment(ArabicBlock, {arabic, sign}));
            m_page.add(AyaBlockClose);
            break;
        case kViewTranslationsOnly:
            m_page.add(formatFragment(TransAyaBlockOpen, {id}));
            m_page.add(formatFragment(TransOnlyBlock, {kTranslationLanguage, expandedTranslation(g)}));
            m_page.add(TransAyaBlockClose);
            break;
        default:
            break;
        }
    }

    void appendTranslations(int g, const std::string& id)
    {
        for (const ActiveTranslation& translation : m_translations) {
            m_page.add(kSlotSeparator);
            if (translation.catalogueIndex == kBuiltInLatin) {
                m_page.add(latinBlock(id, ayaLine(InaLatn, g)));
            } else if (translation.catalogueIndex == kBuiltInFootnote) {
                m_page.add(translationBlock(expandedTranslation(g)));
            } else {
                const std::string& text = m_packageAyat[static_cast<std::size_t>(translation.slot)]
                                                       [static_cast<std::size_t>(g - m_info.FirstAya)];
                const bool isLatin = Translations[static_cast<std::size_t>(translation.catalogueIndex)].IsArabicLatin;
                m_page.add(isLatin ? latinBlock(id, text) : translationBlock(text));
            }
        }
    }

    std::string expandedTranslation(int g) { return m_footnotes.expand(ayaLine(InaTran, g), m_sura, g); }

    std::string latinBlock(const std::string& id, const std::string& text) const
    {
        return formatFragment(LatinBlock, {"arabic_latin_" + id, m_latinStyle, text});
    }

    static std::string translationBlock(const std::string& text)
    {
        return formatFragment(TranslationBlock, {kTranslationLanguage, text});
    }

    // The packages' ayat stay in their files; each page reads its own in one go per package.
    void readPackageAyat()
    {
        const auto first = static_cast<std::size_t>(m_info.FirstAya - 1);
        const auto count = static_cast<std::size_t>(m_info.LastAya - m_info.FirstAya + 1);
        m_packageAyat.assign(TransSlots.size(), std::vector<std::string>(count));
        for (const ActiveTranslation& translation : m_translations) {
            const auto slot = static_cast<std::size_t>(translation.slot);
            if (translation.catalogueIndex >= kFirstPackage && slot < TransAyaLists.size())
                m_packageAyat[slot] = TransAyaLists[slot].lines(first, count);
        }
    }

    const int m_sura;
    const TSuraInfo& m_info;
    const int m_viewStyle;
    FootnoteExpander m_footnotes;
    const std::string m_latinStyle; // the same for every transliteration block of the page
    const bool m_tajweed;           // tajweed colours on a page that shows the Arabic text
    std::string m_firstAyaText;
    std::string m_bismillahBlock;
    std::vector<ActiveTranslation> m_translations;
    std::vector<std::vector<std::string>> m_packageAyat; // per slot, the sura's ayat
    LineList m_page;
};

} // namespace

std::string suraPageFileName(int sura)
{
    std::string name = "S";
    name += ZeroPad(sura, 3);
    name += "_ar_in.html";
    return name;
}

LineList composeSuraPage(int sura)
{
    checkSura(sura);
    return SuraPageComposer(sura).compose();
}

std::string BuildSuraPage(int sura, IPageHost& host)
{
    checkSura(sura);
    LoadActiveTranslations();
    host.clearDocLoaded();
    const std::string path = AppDirs.SuraDir + suraPageFileName(sura);
    composeSuraPage(sura).saveToFile(path);
    host.navigateQuranPage(path);
    host.clearBismillahDone();
    return path;
}

} // namespace tilvane

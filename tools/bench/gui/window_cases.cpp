#include "gui_cases.h"

#include "gui_wait.h"
#include "plain_view.h"
#include "reader_session.h"

#include <filesystem>

namespace tilvane::bench {

namespace {

constexpr int kSurasToChangeInto[] = {114, 18, 2};
constexpr int kStartSura = 1;

// A copy of the page the reader shows, for the plain view: the same bytes in the same folder,
// so that it finds the same style sheets and scripts.
std::string copyOfShownPage(const ReaderSession& reader)
{
    const std::filesystem::path shown = reader.shownPageFile().toStdString();
    const std::filesystem::path copy = shown.parent_path() / ("plain-" + shown.filename().string());
    std::filesystem::copy_file(shown, copy, std::filesystem::copy_options::overwrite_existing);
    return copy.string();
}

// Builds the sura's page afresh with the current translations, even when it is shown.
void rebuildAt(ReaderSession& reader, int sura)
{
    const int other = sura == kStartSura ? 3 : kStartSura;
    if (reader.shownSura() != other)
        reader.gotoSura(other);
    reader.gotoSura(sura);
}

CaseFigures suraChange(ReaderSession& reader, PlainView& plain, int sura, const char* setName, int repetitions)
{
    CaseFigures figures{"SuraChange/" + std::to_string(sura) + "/" + setName, "ms", {}, {}, {}};
    rebuildAt(reader, kStartSura);
    const std::string startPage = copyOfShownPage(reader);
    for (int run = 0; run < repetitions; ++run) {
        if (reader.shownSura() != kStartSura)
            reader.gotoSura(kStartSura);
        figures.values.push_back(millisecondsOf([&] { reader.gotoSura(sura); }));
        const QString page = QString::fromStdString(copyOfShownPage(reader));
        plain.show(QString::fromStdString(startPage), kStartSura, 1);
        figures.floors.push_back(millisecondsOf([&] { plain.show(page, sura, 1); }));
    }
    return figures;
}

CaseFigures ayaMove(ReaderSession& reader, PlainView& plain, int repetitions)
{
    constexpr int kSura = 2;
    CaseFigures figures{"AyaMove/2/built-in", "ms", {}, {}, {}};
    rebuildAt(reader, kSura);
    plain.show(QString::fromStdString(copyOfShownPage(reader)), kSura, 1);
    for (int aya = 2; aya < 2 + repetitions; ++aya) {
        figures.values.push_back(millisecondsOf([&] { reader.nextAya(); }));
        figures.floors.push_back(millisecondsOf([&] { plain.focus(kSura, aya); }));
    }
    return figures;
}

} // namespace

std::vector<CaseFigures> runWindowCases(const std::string& scratch, int repetitions, SavedPages& pages)
{
    ReaderSession reader(scratch);
    pages.viewWidth = reader.viewSize().width();
    pages.viewHeight = reader.viewSize().height();
    PlainView plain(pages.viewWidth, pages.viewHeight);
    std::vector<CaseFigures> cases;
    for (const auto& [set, name] : {std::pair{TranslationSet::BuiltIn, "built-in"},
                                    std::pair{TranslationSet::TenPackages, "ten-packages"}}) {
        reader.useTranslations(set);
        for (int sura : kSurasToChangeInto)
            cases.push_back(suraChange(reader, plain, sura, name, repetitions));
    }
    reader.useTranslations(TranslationSet::BuiltIn);
    cases.push_back(ayaMove(reader, plain, repetitions));
    rebuildAt(reader, kStartSura);
    pages.firstSuraDefault = copyOfShownPage(reader);
    return cases;
}

} // namespace tilvane::bench

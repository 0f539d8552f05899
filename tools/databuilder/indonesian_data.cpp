#include "indonesian_data.h"

#include "juz_table.h"
#include "sura_bodies.h"
#include "note_numbers.h"
#include "text_format.h"

#include <cstdio>

namespace databuilder {

namespace {

std::string threeDigits(int number)
{
    char text[16];
    std::snprintf(text, sizeof text, "%03d", number);
    return text;
}

std::string position(int sura, int aya)
{
    return std::to_string(sura) + ":" + std::to_string(aya);
}

std::vector<std::string> perAyaLines(const std::vector<SuraSource>& suras,
                                     std::vector<std::string> SuraSource::*texts)
{
    std::vector<std::string> lines;
    for (const SuraSource& sura : suras)
        for (const std::string& text : sura.*texts)
            lines.push_back(escapeHtml(flattenLineBreaks(text)));
    return lines;
}

std::vector<std::string> translationLines(const std::vector<SuraSource>& suras)
{
    std::vector<std::string> lines;
    int nextNote = 1;
    for (const SuraSource& sura : suras) {
        for (std::size_t i = 0; i < sura.indonesianTranslation.size(); ++i) {
            const std::string where = "Indonesian translation " + position(sura.number, int(i) + 1);
            lines.push_back(escapeHtml(flattenLineBreaks(
                removeNoteNumbers(sura.indonesianTranslation[i], nextNote, where))));
        }
    }
    return lines;
}

} // namespace

std::vector<std::string> juzIndexLines(const std::vector<SuraSource>& suras)
{
    std::vector<std::string> lines;
    for (int juz = 1; juz <= kJuzCount; ++juz) {
        lines.push_back("Juz " + std::to_string(juz));
        const AyaPosition start = kJuzStarts[juz - 1];
        for (int s = start.sura; s <= static_cast<int>(suras.size()); ++s) {
            const SuraSource& sura = suras[s - 1];
            const int first = s == start.sura ? start.aya : 1;
            int last = static_cast<int>(sura.arabic.size());
            if (juz < kJuzCount) {
                const AyaPosition next = kJuzStarts[juz];
                if (s > next.sura || (s == next.sura && next.aya == 1))
                    break;
                if (s == next.sura)
                    last = next.aya - 1;
            }
            lines.push_back("\t" + sura.indonesianName + " " + position(s, first)
                            + " - " + position(s, last));
        }
    }
    return lines;
}

FileSet indonesianFiles(const std::vector<SuraSource>& suras)
{
    FileSet files;
    files["libina/ina_tran.txt"] = joinCrLf(translationLines(suras));
    files["libina/ina_foot.txt"] = "";
    files["libina/ina_latn.txt"] = joinCrLf(perAyaLines(suras, &SuraSource::indonesianLatin));
    std::vector<std::string> meanings;
    for (const SuraSource& sura : suras)
        meanings.push_back(sura.indonesianMeaning);
    files["libina/ina_sura.txt"] = joinCrLf(meanings);
    files["libina/ina_idx.txt"] = joinCrLf(juzIndexLines(suras));
    for (std::size_t i = 0; i < suras.size(); ++i) {
        const SuraSource& sura = suras[i];
        const SuraSource& following = suras[(i + 1) % suras.size()];
        const std::string stem = "libina/az/s" + threeDigits(sura.number);
        files[stem + "a.htm"] = joinCrLf(prefaceBody(sura));
        files[stem + "z.htm"] = joinCrLf(closingBody(sura, following));
    }
    return files;
}

} // namespace databuilder

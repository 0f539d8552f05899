#include "indonesian_data.h"

#include "sura_bodies.h"
#include "note_numbers.h"
#include "structure_index.h"
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

FileSet indonesianFiles(const std::vector<SuraSource>& suras, const QuranMeta& meta)
{
    FileSet files;
    files["libina/ina_tran.txt"] = joinCrLf(translationLines(suras));
    files["libina/ina_foot.txt"] = "";
    files["libina/ina_latn.txt"] = joinCrLf(perAyaLines(suras, &SuraSource::indonesianLatin));
    std::vector<std::string> meanings;
    for (const SuraSource& sura : suras)
        meanings.push_back(sura.indonesianMeaning);
    files["libina/ina_sura.txt"] = joinCrLf(meanings);
    const StructureIndex index = structureIndex(suras, meta);
    files["libina/ina_idx.txt"] = joinCrLf(index.lines);
    files["libina/ina_idx_pos.txt"] = joinCrLf(index.targets);
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

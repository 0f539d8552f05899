#include "sura_bodies.h"

#include "juz_table.h"
#include "text_format.h"

namespace databuilder {

namespace {

std::string boldName(const SuraSource& sura)
{
    return "<b>" + escapeHtml(sura.indonesianLatinName) + "</b>";
}

std::string meaning(const SuraSource& sura)
{
    return "\xE2\x80\x9C" + escapeHtml(sura.indonesianMeaning) + "\xE2\x80\x9D"; // “...”
}

std::string ayaCount(const SuraSource& sura)
{
    return std::to_string(sura.arabic.size()) + " ayat";
}

std::string revelation(const SuraSource& sura)
{
    return sura.madaniyah
        ? "golongan surat Madaniyah, yaitu surat yang diturunkan sesudah Nabi hijrah ke Madinah"
        : "golongan surat Makkiyah, yaitu surat yang diturunkan sebelum Nabi hijrah ke Madinah";
}

std::string juzSentence(const SuraSource& sura)
{
    const int first = juzOf(sura.number, 1);
    const int last = juzOf(sura.number, static_cast<int>(sura.arabic.size()));
    if (first == last)
        return "<p>Surat ini terletak pada juz " + std::to_string(first) + ".</p>";
    return "<p>Surat ini terletak pada juz " + std::to_string(first) + " sampai juz "
        + std::to_string(last) + ".</p>";
}

} // namespace

std::vector<std::string> prefaceBody(const SuraSource& sura)
{
    return {
        "Surat " + boldName(sura) + " (<span lang=\"ar\" dir=\"rtl\">"
            + escapeHtml(sura.arabicName) + "</span>) adalah surat ke-"
            + std::to_string(sura.number) + " dalam Al-Qur'an. Namanya berarti " + meaning(sura)
            + ".</p>",
        "<p>Surat ini terdiri atas " + ayaCount(sura) + " dan termasuk " + revelation(sura)
            + ".</p>",
        juzSentence(sura),
    };
}

std::vector<std::string> closingBody(const SuraSource& sura, const SuraSource& following)
{
    std::vector<std::string> lines = {
        "Demikianlah surat " + boldName(sura) + " (" + meaning(sura) + "), surat ke-"
            + std::to_string(sura.number) + " dalam Al-Qur'an, yang terdiri atas "
            + ayaCount(sura) + ".</p>",
    };
    const std::string next = "surat ke-" + std::to_string(following.number) + ", "
        + boldName(following) + " (" + meaning(following) + "), yang terdiri atas "
        + ayaCount(following) + ".</p>";
    if (following.number > sura.number)
        lines.push_back("<p>Surat berikutnya adalah " + next);
    else
        lines.push_back("<p>Surat ini adalah surat terakhir dalam Al-Qur'an. Bacaan kembali ke awal, "
                        "yaitu " + next);
    return lines;
}

} // namespace databuilder

#include "lib_data.h"

#include "build_error.h"
#include "sura_header_image.h"
#include "text_format.h"

#include "core/quran/quranic_marks.h"

namespace databuilder {

namespace {

// Every page links these by name.
const char* const kPageFiles[] = {
    "js/jquery.js", "js/ifx.js",    "js/iutil.js", "js/ifxscrollto.js", "js/common.js",
    "js/search.js", "js/nav.js",    "js/tooltip.js", "css/tooltip.css",
};

constexpr int kSuraWithoutBismillah = 9;

std::vector<std::string> arabicIndicDigits()
{
    std::vector<std::string> digits;
    for (int digit = 0; digit < 10; ++digit)
        digits.push_back(std::string("\xD9") + static_cast<char>(0xA0 + digit)); // U+0660 + digit
    return digits;
}

void addPageFiles(FileSet& files, const std::filesystem::path& pageFiles)
{
    for (const char* name : kPageFiles) {
        const std::filesystem::path file = pageFiles / name;
        if (!std::filesystem::is_regular_file(file))
            throw BuildError("Missing page file " + file.string());
    }
    for (const auto& entry : std::filesystem::recursive_directory_iterator(pageFiles)) {
        if (!entry.is_regular_file())
            continue;
        const std::string relative =
            std::filesystem::relative(entry.path(), pageFiles).generic_string();
        files["lib/" + relative] = toCrLf(readBinaryFile(entry.path()));
    }
}

} // namespace

std::vector<std::string> arabicLines(const std::vector<SuraSource>& suras)
{
    const std::string bismillah = tilvane::withProperOpenTanween(suras.at(0).arabic.at(0));
    std::vector<std::string> lines;
    for (const SuraSource& sura : suras) {
        for (std::size_t i = 0; i < sura.arabic.size(); ++i) {
            std::string text =
                tilvane::withProperOpenTanween(escapeHtml(flattenLineBreaks(sura.arabic[i])));
            const bool needsBismillah = i == 0 && sura.number != 1
                && sura.number != kSuraWithoutBismillah && !text.starts_with(bismillah);
            lines.push_back(needsBismillah ? bismillah + " " + text : text);
        }
    }
    return lines;
}

FileSet libFiles(const std::vector<SuraSource>& suras, const std::filesystem::path& pageFiles,
                 const std::filesystem::path& fontFile)
{
    FileSet files;
    files["lib/quran_uthman/quran_uthmani.txt"] = joinCrLf(arabicLines(suras));
    files["lib/num_ar.txt"] = joinCrLf(arabicIndicDigits());
    std::vector<std::string> names;
    for (const SuraSource& sura : suras)
        names.push_back(sura.arabicName);
    files["lib/suraname_ar.txt"] = joinCrLf(names);
    files["lib/suraarb.txt"] = joinCrLf({"\xD8\xB3\xD9\x88\xD8\xB1\xD8\xA9"}); // سورة
    files["lib/me_quran_volt_mark2.ttf"] = readBinaryFile(fontFile);
    files["lib/img/sura-header.png"] = suraHeaderPng();
    addPageFiles(files, pageFiles);
    return files;
}

} // namespace databuilder

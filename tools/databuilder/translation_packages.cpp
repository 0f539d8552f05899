#include "translation_packages.h"

#include "build_error.h"
#include "text_format.h"

#include <set>

namespace databuilder {

namespace {

// Credits as quran-json's README gives them ("The English translation is authored by ...,
// sourced from ..."); the package is under CC BY-SA 4.0 by its LICENSE.txt. Indonesian is
// left out: the built-in translation is the same ministry's.
struct PackageSource {
    const char* file;          // in quran-json/dist/; none for the tafsir
    bool arabicLatin;          // transliteration rather than translation
    const char* transName;     // also the folder name
    const char* fullName;
    const char* language;
    const char* translator;
    const char* author;
    const char* copyright;
};

constexpr const char* kUnknown = "[Unknown]";
constexpr const char* kViaTanzil = "quran-json (CC BY-SA 4.0), from tanzil.net";
constexpr const char* kViaQuranEnc = "quran-json (CC BY-SA 4.0), from quranenc.com";

const PackageSource kPackages[] = {
    {"quran_bn.json", false, "Bengali_MuhiuddinKhan", "Bengali - Muhiuddin Khan", "Bengali",
     "Muhiuddin Khan", "Muhiuddin Khan", kViaTanzil},
    {"quran_zh.json", false, "Chinese_MuhammadMakin", "Chinese - Muhammad Makin", "Chinese",
     "Muhammad Makin", "Muhammad Makin", kViaQuranEnc},
    {"quran_en.json", false, "English_SaheehInternational", "English - Saheeh International",
     "English", "Umm Muhammad (Saheeh International)", "Umm Muhammad (Saheeh International)",
     kViaTanzil},
    {"quran_transliteration.json", true, "English_Transliteration",
     "English - Arabic Latin (Transliteration)", "English", kUnknown, kUnknown, kViaTanzil},
    {"quran_es.json", false, "Spanish_IsaGarcia", "Spanish - Muhammad Isa Garc\xC3\xAD" "a",
     "Spanish", "Muhammad Isa Garc\xC3\xAD" "a", "Muhammad Isa Garc\xC3\xAD" "a", kViaTanzil},
    {"quran_fr.json", false, "French_Hamidullah", "French - Muhammad Hamidullah", "French",
     "Muhammad Hamidullah", "Muhammad Hamidullah", kViaTanzil},
    {"quran_ru.json", false, "Russian_Kuliev", "Russian - Elmir Kuliev", "Russian",
     "Elmir Kuliev", "Elmir Kuliev", kViaTanzil},
    {"quran_sv.json", false, "Swedish_Bernstrom", "Swedish - Knut Bernstr\xC3\xB6m", "Swedish",
     "Knut Bernstr\xC3\xB6m", "Knut Bernstr\xC3\xB6m", kViaTanzil},
    {"quran_tr.json", false, "Turkish_Diyanet", "Turkish - Directorate of Religious Affairs",
     "Turkish", "Turkish Directorate of Religious Affairs",
     "Turkish Directorate of Religious Affairs", kViaTanzil},
    {"quran_ur.json", false, "Urdu_Maududi", "Urdu - Abul A'la Maududi", "Urdu",
     "Abul A'la Maududi", "Abul A'la Maududi", kViaTanzil},
};

// quran-pack says its texts come from the website of the Indonesian Ministry of Religious
// Affairs; its package.json gives the licence as ISC (its LICENSE file is empty).
const PackageSource kTafsir = {nullptr, false, "Indonesian_TafsirKemenag",
                               "Indonesian - Tafsir Ringkas Kemenag", "Indonesian",
                               "Kementerian Agama Republik Indonesia",
                               "Kementerian Agama Republik Indonesia",
                               "quran-pack (ISC), from the Ministry's website"};

constexpr std::size_t kMaxCatalogueText = 50;
constexpr const char* kSuraNameFile = "sura_names.txt";
constexpr const char* kAyaFile = "aya_texts.txt";

// The reader cuts catalogue texts at 50 characters; a cut name would no longer match.
std::string catalogueText(const std::string& text, const std::string& what)
{
    if (text.size() > kMaxCatalogueText)
        throw BuildError(what + " \"" + text + "\" is longer than 50 characters");
    return text;
}

std::string descriptor(const PackageSource& package)
{
    const std::string what = std::string(package.transName) + " ";
    return joinCrLf({
        "[translation]",
        "TransName=" + catalogueText(package.transName, what + "TransName"),
        "FullName=" + catalogueText(package.fullName, what + "FullName"),
        "Language=" + catalogueText(package.language, what + "Language"),
        std::string("IsArabicLatin=") + (package.arabicLatin ? "1" : "0"),
        std::string("SuraNameFile=") + kSuraNameFile,
        std::string("AyaNameFile=") + kAyaFile,
        "Translator=" + catalogueText(package.translator, what + "Translator"),
        "Author=" + catalogueText(package.author, what + "Author"),
        "Copyright=" + catalogueText(package.copyright, what + "Copyright"),
    });
}

void addPackage(FileSet& files, std::set<std::string>& names, const PackageSource& package,
                const std::vector<std::string>& suraNames, const std::vector<std::string>& ayat)
{
    if (!names.insert(package.transName).second || !names.insert(package.fullName).second)
        throw BuildError(std::string("Translation name used twice: ") + package.transName);
    const std::string folder = std::string(package.transName) + "/";
    files[folder + "_transinit.ini"] = descriptor(package);
    files[folder + kSuraNameFile] = joinCrLf(suraNames);
    files[folder + kAyaFile] = joinCrLf(ayat);
}

void addTafsir(FileSet& files, std::set<std::string>& names, const std::vector<SuraSource>& suras)
{
    std::vector<std::string> suraNames;
    std::vector<std::string> ayat;
    for (const SuraSource& sura : suras) {
        suraNames.push_back(sura.indonesianName);
        for (const std::string& text : sura.indonesianTafsir)
            ayat.push_back(escapeHtml(flattenLineBreaks(text)));
    }
    addPackage(files, names, kTafsir, suraNames, ayat);
}

} // namespace

FileSet translationPackageFiles(const std::filesystem::path& nodeModules,
                                const std::vector<SuraSource>& suras)
{
    FileSet files;
    std::set<std::string> names;
    for (const PackageSource& package : kPackages) {
        const char* field = package.arabicLatin ? "transliteration" : "translation";
        const LanguageSource language =
            loadLanguage(nodeModules / "quran-json/dist" / package.file, field, field, suras);
        std::vector<std::string> ayat;
        for (const std::vector<std::string>& sura : language.ayat)
            for (const std::string& text : sura)
                ayat.push_back(escapeHtml(flattenLineBreaks(text)));
        addPackage(files, names, package, language.suraNames, ayat);
    }
    addTafsir(files, names, suras);
    return files;
}

} // namespace databuilder

// tilvane-export: starts up as the reader does (folders, settings, Quran data), builds one
// sura, preface or closing page with the reader's own code and copies it to a file, or
// prints it to a PDF file.
#include "export_load_host.h"
#include "export_options.h"
#include "pdf_output.h"

#include "core/app/command_line_help.h"
#include "core/app/app_dirs.h"
#include "core/app/paths.h"
#include "core/app/settings.h"
#include "core/base/errors.h"
#include "core/base/file_bytes.h"
#include "core/base/user_file.h"
#include "core/quran/contents_tree.h"
#include "core/quran/translation_files.h"
#include "core/quran/translations.h"
#include "core/render/page_host.h"
#include "core/render/preface_page.h"
#include "core/render/sura_page.h"

#include <exception>
#include <iostream>

using namespace tilvane;
using namespace tilvane::exporter;

namespace {

constexpr int kExitLoadFailure = 1;
constexpr int kExitUsage = 2;

// Nothing is shown: the page's path is all the export needs.
class NoWindowPageHost : public IPageHost {
public:
    void clearDocLoaded() override {}
    void navigateQuranPage(const std::string&) override {}
    void clearBismillahDone() override {}
};

std::string buildPage(const ExportOptions& options, const ExportLoadHost& loadHost)
{
    if (options.kind == PageKind::Sura) {
        NoWindowPageHost pageHost;
        return BuildSuraPage(options.sura, pageHost);
    }
    const bool isPreface = options.kind == PageKind::Preface;
    const std::string pageFile = loadHost.pageFileOf(options.sura, isPreface ? kContentPreface : kContentClosing);
    return WritePrefacePage(options.sura, isPreface, pageFile);
}

// The page file is the program's own; a page never comes near this size.
std::string readPage(const std::string& path)
{
    constexpr std::uint64_t kMaxPageBytes = 256u << 20;
    const FileBytes file = readFileBytes(path, kMaxPageBytes);
    if (!file)
        throw FileOpenError(path, describeReadFailure(file.failure, kMaxPageBytes));
    return file.bytes;
}

void reportTranslationProblems()
{
    for (const std::string& problem : takeTranslationProblems())
        std::cerr << "tilvane-export: " << problem << '\n';
}

} // namespace

int main(int argc, char** argv)
{
    if (const auto answered = answerHelpOrVersion(argc, argv, "tilvane-export", kUsage, std::cout))
        return *answered;
    std::string problem;
    const auto options = parseExportOptions(std::vector<std::string>(argv + 1, argv + argc), problem);
    if (!options) {
        std::cerr << "tilvane-export: " << problem << '\n' << kUsage << '\n';
        return kExitUsage;
    }
    try {
        InitAppDirsFromOption(options->appDir);
        LoadSettings();
        AppSet.Tajweed = AppSet.Tajweed || options->tajweed; // the settings file is never written
        ExportLoadHost loadHost;
        LoadQuranData(loadHost);
        const std::string page = buildPage(*options, loadHost);
        reportTranslationProblems();
        if (options->pdf)
            writePagePdfFile(page, options->outFile, argc, argv);
        else
            writeUserFile(options->outFile, readPage(page));
    } catch (const std::exception& error) {
        reportTranslationProblems();
        std::cerr << "tilvane-export: " << error.what() << '\n';
        return kExitLoadFailure;
    }
    return 0;
}

// Builds the reader's default data from the open npm packages in data/node_modules:
//   tilvane_databuilder --node-modules DIR --page-files DIR --font FILE --out RESDIR
// writes RESDIR/lib.tvz, RESDIR/libina.tvz, the translation packages below RESDIR/trans/
// and an empty RESDIR/audio/.
#include "build_error.h"
#include "indonesian_data.h"
#include "lib_data.h"
#include "quran_meta.h"
#include "seven_zip_writer.h"
#include "sources.h"
#include "translation_packages.h"

#include "core/app/command_line_help.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>

namespace {

using databuilder::BuildError;
namespace fs = std::filesystem;

struct Options {
    fs::path nodeModules;
    fs::path pageFiles;
    fs::path fontFile;
    fs::path outDir;
};

Options parseOptions(int argc, char** argv)
{
    std::map<std::string, fs::path> values;
    for (int i = 1; i + 1 < argc; i += 2)
        values[argv[i]] = argv[i + 1];
    if (argc % 2 == 0)
        throw BuildError(std::string("Option without a value: ") + argv[argc - 1]);
    const auto required = [&](const std::string& name) {
        const auto found = values.find(name);
        if (found == values.end())
            throw BuildError("Missing option " + name + "\nUsage: tilvane_databuilder"
                             " --node-modules DIR --page-files DIR --font FILE --out RESDIR");
        return found->second;
    };
    Options options {required("--node-modules"), required("--page-files"), required("--font"),
                     required("--out")};
    if (values.size() != 4)
        throw BuildError("Unknown option; expected --node-modules, --page-files, --font, --out");
    if (!fs::is_directory(options.nodeModules / "quran-json")
        || !fs::is_directory(options.nodeModules / "quran-pack")
        || !fs::is_directory(options.nodeModules / "quran-meta"))
        throw BuildError("The data packages are not installed in " + options.nodeModules.string()
                         + "; run scripts/setup.sh (it runs npm ci in data/)");
    return options;
}

void writeFiles(const fs::path& folder, const databuilder::FileSet& files)
{
    for (const auto& [name, bytes] : files) {
        const fs::path file = folder / name;
        fs::create_directories(file.parent_path());
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out << bytes;
        out.close();
        if (!out)
            throw BuildError("Cannot write " + file.string());
    }
}

void build(const Options& options)
{
    const auto suras = databuilder::loadSuras(options.nodeModules);
    const auto meta = databuilder::loadQuranMeta(options.nodeModules);
    fs::create_directories(options.outDir / "audio");
    databuilder::writeSevenZip(options.outDir / "lib.tvz",
                               databuilder::libFiles(suras, options.pageFiles, options.fontFile));
    databuilder::writeSevenZip(options.outDir / "libina.tvz", databuilder::indonesianFiles(suras, meta));
    writeFiles(options.outDir / "trans",
               databuilder::translationPackageFiles(options.nodeModules, suras));
}

} // namespace

int main(int argc, char** argv)
{
    constexpr const char* kUsage =
        "Usage: tilvane_databuilder --node-modules DIR --page-files DIR --font FILE --out RESDIR\n"
        "Builds the reader's default data from the open npm packages in DIR: RESDIR/lib.tvz,\n"
        "RESDIR/libina.tvz, the translation packages below RESDIR/trans/ and an empty RESDIR/audio/.\n";
    if (const auto answered = tilvane::answerHelpOrVersion(argc, argv, "tilvane_databuilder", kUsage, std::cout))
        return *answered;
    try {
        build(parseOptions(argc, argv));
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "tilvane_databuilder: " << e.what() << '\n';
        return 1;
    }
}

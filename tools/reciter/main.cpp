// tilvane-reciter: installs a reciter's per-aya MP3 files into the reader's recitation folder
// from a web folder, a local folder or an archive, lists the installed reciters, removes one.
// Exit status: 0 when every requested file is installed, 1 when some are not (they are
// named, the rest is kept), 2 on bad arguments, 128 + the signal's number when SIGINT or
// SIGTERM stopped an install (what is complete stays, no temporary file is left).
#include "reciter_options.h"
#include "stop_signals.h"

#include "core/app/command_line_help.h"
#include "core/app/app_dirs.h"
#include "core/base/errors.h"
#include "core/audio/install_result.h"
#include "core/audio/reciter_catalogue.h"
#include "core/audio/reciter_layout.h"
#include "core/audio/reciter_source.h"
#include "download/reciter_install_job.h"
#include "download/source_probe.h"

#include <QCoreApplication>

#include <cstdio>
#include <iostream>

using namespace tilvane;
using namespace tilvane::reciter;

namespace {

constexpr int kExitIncomplete = 1;
constexpr int kExitUsage = 2;

std::string megabytes(double bytes)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f MB", bytes / 1e6);
    return text;
}

// A web folder that does not answer its first aya would fail thousands of times over.
std::string firstAyaProblem(const std::string& source)
{
    if (classifyReciterSource(source) != ReciterSourceKind::Web)
        return {};
    SourceProbe probe;
    QString problem;
    QObject::connect(&probe, &SourceProbe::finished, [&problem](const QString& found) {
        problem = found;
        QCoreApplication::quit();
    });
    const QUrl folder(QString::fromStdString(source));
    probe.start(folder);
    QCoreApplication::exec();
    if (problem.isEmpty())
        return {};
    return source + " does not answer with a recitation: " + SourceProbe::firstAyaUrl(folder).toString().toStdString()
        + " gave \"" + problem.toStdString() + "\"; nothing was installed";
}

void printCatalogue()
{
    for (const CatalogueEntry& entry : loadReciterCatalogue(reciterCatalogueFile())) {
        std::cout << entry.name << '\t' << entry.reciter << '\t' << entry.style << '\t' << entry.bitrateKbps << " kbps\t"
                  << (entry.approximateBytes > 0 ? megabytes(static_cast<double>(entry.approximateBytes)) : "?") << '\t'
                  << entry.url << '\n';
    }
}

int install(const ReciterOptions& options)
{
    std::unique_ptr<ReciterInstallJob> job;
    try {
        job = std::make_unique<ReciterInstallJob>(QString::fromStdString(options.name),
                                                  QString::fromStdString(options.source), options.ayat);
    } catch (const TilvaneError& error) {
        std::cerr << "tilvane-reciter: " << error.what() << '\n';
        return kExitUsage;
    }
    if (const std::string problem = firstAyaProblem(options.source); !problem.empty()) {
        std::cerr << "tilvane-reciter: " << problem << '\n';
        return kExitIncomplete;
    }
    QObject::connect(job.get(), &ReciterInstallJob::unpackingStarted,
                     [] { std::cerr << "unpacking the archive\n"; });
    QObject::connect(job.get(), &ReciterInstallJob::progressChanged, [&job] {
        const InstallProgress& progress = job->progress();
        std::cerr << progress.done << '/' << progress.total << " files, " << megabytes(static_cast<double>(progress.bytes))
                  << ", " << megabytes(job->bytesPerSecond()) << "/s\n";
    });
    QObject::connect(job.get(), &ReciterInstallJob::finished, qApp, &QCoreApplication::quit);
    StopSignals stopSignals;
    QObject::connect(&stopSignals, &StopSignals::stopRequested, job.get(), [&job] {
        std::cerr << "stopping\n";
        job->cancel();
    });
    job->start();
    QCoreApplication::exec();

    const InstallSummary& summary = job->summary();
    for (const std::string& failure : summary.failures)
        std::cerr << "not installed: " << failure << '\n';
    const InstallResult result = installResult(job->folder().toStdString(), options.ayat, summary);
    std::cerr << job->folder().toStdString() << ": " << megabytes(static_cast<double>(job->progress().bytes)) << " in "
              << job->elapsedMilliseconds() / 1000.0 << " s, " << megabytes(job->bytesPerSecond()) << "/s\n";
    std::cout << installResultText(result, 0) << '\n';
    if (stopSignals.received() != 0)
        return 128 + stopSignals.received();
    return result.complete() ? 0 : kExitIncomplete;
}

} // namespace

int main(int argc, char** argv)
{
    if (const auto answered = answerHelpOrVersion(argc, argv, "tilvane-reciter", kUsage, std::cout))
        return *answered;
    QCoreApplication application(argc, argv);
    std::string problem;
    const auto options = parseReciterOptions(std::vector<std::string>(argv + 1, argv + argc), problem);
    if (!options) {
        std::cerr << "tilvane-reciter: " << problem << '\n' << kUsage << '\n';
        return kExitUsage;
    }
    try {
        InitAppDirsFromOption(options->appDir);
        switch (options->command) {
        case Command::List:
            for (const std::string& name : installedReciters())
                std::cout << name << '\n';
            return 0;
        case Command::Catalogue:
            printCatalogue();
            return 0;
        case Command::Remove:
            removeReciter(options->name);
            return 0;
        case Command::Install:
            return install(*options);
        }
    } catch (const std::exception& error) {
        std::cerr << "tilvane-reciter: " << error.what() << '\n';
    }
    return kExitIncomplete;
}

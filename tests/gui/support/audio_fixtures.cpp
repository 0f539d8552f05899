#include "gui/support/audio_fixtures.h"

#include <QApplication>
#include <QProcess>

namespace tilvane::test {

void ensureApplication()
{
    static int argc = 1;
    static char name[] = "tilvane_gui_tests";
    static char* argv[] = {name, nullptr};
    if (QCoreApplication::instance() == nullptr)
        new QApplication(argc, argv);
}

bool makeSpokenMp3(const std::string& text, const std::filesystem::path& mp3)
{
    std::filesystem::path wav = mp3;
    wav.replace_extension(".wav");
    const QString wavName = QString::fromStdString(wav.string());
    const QString mp3Name = QString::fromStdString(mp3.string());
    return QProcess::execute("espeak-ng", {"-w", wavName, QString::fromStdString(text)}) == 0
        && QProcess::execute("lame", {"--quiet", "-b", "40", "--cbr", wavName, mp3Name}) == 0;
}

} // namespace tilvane::test

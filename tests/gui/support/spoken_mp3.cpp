#include "gui/support/spoken_mp3.h"

#include <QProcess>
#include <QString>

namespace tilvane::test {

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

#include "core/audio/audio_files.h"

#include "core/app/app_dirs.h"
#include "core/base/errors.h"
#include "core/base/file_bytes.h"
#include "core/base/ini_file.h"
#include "core/app/paths.h"
#include "core/app/settings.h"
#include "core/audio/following_file.h"
#include "core/audio/media_device.h"
#include "core/quran/sura_table.h"

#include <algorithm>

namespace tilvane {

std::string AudioPath;
std::string AudioAyaFile;
std::string AudhubillahFile;
std::string BismillahFile;
std::string Bismillah2File;
std::string SadaghallahFile;

namespace {

constexpr const char* kOffline = "offline";

std::string recordingPath(const IniFile& ini, const char* key, const char* defaultName)
{
    if (AudioPath.empty())
        return {};
    return AudioPath + ini.readString(kOffline, key, defaultName);
}

} // namespace

std::string audioInitFileName()
{
    return AppDirs.AudioDir + AppSet.Reciter + kPathSeparator + "audioinit.ini";
}

std::string InitAudio()
{
    std::string problem;
    const FileBytes file = readFileBytes(audioInitFileName(), IniFile::kMaxFileBytes);
    if (!file && file.failure != ReadFailure::Missing)
        problem = FileOpenError(audioInitFileName(), describeReadFailure(file.failure, IniFile::kMaxFileBytes)).what();
    const IniFile ini = file ? IniFile::parse(file.bytes) : IniFile{};
    const std::string url = ini.readString(kOffline, "URL", "");
    // Without a folder the paths stay empty: a bare separator would look for the
    // recitation at the root of the file system.
    AudioPath = url.empty() ? std::string() : withTrailingSeparator(url);
    AudhubillahFile = recordingPath(ini, "Audhubillah", "audhubillah.mp3");
    BismillahFile = recordingPath(ini, "Bismillah", "bismillah.mp3");
    Bismillah2File = recordingPath(ini, "Bismillah2", "bismillah2.mp3");
    SadaghallahFile = recordingPath(ini, "Sadaghallah", "sadaghallah.mp3");
    AudioAyaFile.clear();
    return problem;
}

std::string SetAudioAya(const TQuranPos& pos)
{
    AudioAyaFile = audioAyaFileFor(pos);

    std::string numbers = "(";
    numbers += std::to_string(pos.Sura) + ":" + std::to_string(pos.Aya) + ")";
    // A saved position may name no sura at all; the label then shows the numbers alone.
    if (pos.Sura < 1 || pos.Sura > kSuraCount)
        return numbers;
    return SuraLatinNames[pos.Sura] + " " + numbers;
}

void SetMediaVolume(IMediaDevice& device, int volume)
{
    if (device.isOpen())
        device.setVolume(std::clamp(volume, 0, 1000));
}

} // namespace tilvane

#include "tone_audio.h"

#include <cmath>
#include <cstring>
#include <fstream>
#include <numbers>

#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace tilvane::bench {

namespace {

void putLittleEndian(std::ofstream& out, std::uint32_t value, int bytes)
{
    for (int index = 0; index < bytes; ++index)
        out.put(static_cast<char>((value >> (8 * index)) & 0xff));
}

std::uint32_t getLittleEndian(const unsigned char* bytes, int count)
{
    std::uint32_t value = 0;
    for (int index = count - 1; index >= 0; --index)
        value = (value << 8) | bytes[index];
    return value;
}

bool writeToneWav(const std::string& wav, double hertz, int milliseconds)
{
    const std::uint32_t frames = static_cast<std::uint32_t>(std::lround(kToneSampleRate * milliseconds / 1000.0));
    std::ofstream out(wav, std::ios::binary);
    out.write("RIFF", 4);
    putLittleEndian(out, 36 + frames * 2, 4);
    out.write("WAVEfmt ", 8);
    putLittleEndian(out, 16, 4);
    putLittleEndian(out, 1, 2); // PCM
    putLittleEndian(out, 1, 2); // mono
    putLittleEndian(out, kToneSampleRate, 4);
    putLittleEndian(out, kToneSampleRate * 2, 4);
    putLittleEndian(out, 2, 2);
    putLittleEndian(out, 16, 2);
    out.write("data", 4);
    putLittleEndian(out, frames * 2, 4);
    for (std::uint32_t frame = 0; frame < frames; ++frame) {
        const double value = 0.5 * std::sin(2 * std::numbers::pi * hertz * frame / kToneSampleRate);
        putLittleEndian(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(value * 32767))), 2);
    }
    return static_cast<bool>(out);
}

bool run(std::vector<std::string> arguments)
{
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_t child = 0;
    if (posix_spawnp(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return false;
    int status = 0;
    return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

double zeroCrossingHertz(const Recording& recording, std::size_t first, std::size_t last)
{
    double firstCrossing = -1;
    double lastCrossing = -1;
    int crossings = 0;
    for (std::size_t index = first + 1; index < last; ++index) {
        const float before = recording.samples[index - 1];
        const float after = recording.samples[index];
        if (before >= 0 || after < 0)
            continue;
        const double at = static_cast<double>(index - 1) + before / (before - after);
        if (firstCrossing < 0)
            firstCrossing = at;
        lastCrossing = at;
        ++crossings;
    }
    if (crossings < 2)
        return 0;
    return (crossings - 1) * recording.sampleRate / (lastCrossing - firstCrossing);
}

} // namespace

bool writeToneMp3(const std::string& mp3, double hertz, int milliseconds)
{
    const std::string wav = mp3 + ".wav";
    const bool made = writeToneWav(wav, hertz, milliseconds)
        && run({"lame", "--quiet", "-b", "64", "--cbr", wav, mp3});
    std::remove(wav.c_str());
    return made;
}

Recording readWav(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Recording recording;
    if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 || std::memcmp(bytes.data() + 8, "WAVE", 4) != 0)
        return recording;
    int channels = 0;
    int bitsPerSample = 0;
    std::size_t offset = 12;
    while (offset + 8 <= bytes.size()) {
        const unsigned char* chunk = bytes.data() + offset;
        std::size_t size = getLittleEndian(chunk + 4, 4);
        if (std::memcmp(chunk, "fmt ", 4) == 0 && offset + 24 <= bytes.size()) {
            channels = static_cast<int>(getLittleEndian(chunk + 10, 2));
            recording.sampleRate = static_cast<int>(getLittleEndian(chunk + 12, 4));
            bitsPerSample = static_cast<int>(getLittleEndian(chunk + 22, 2));
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            if (size == 0 || offset + 8 + size > bytes.size())
                size = bytes.size() - offset - 8;
            if (channels < 1 || bitsPerSample != 16)
                return {};
            const std::size_t frameBytes = static_cast<std::size_t>(channels) * 2;
            for (std::size_t at = offset + 8; at + frameBytes <= offset + 8 + size; at += frameBytes) {
                const auto value = static_cast<std::int16_t>(getLittleEndian(bytes.data() + at, 2));
                recording.samples.push_back(static_cast<float>(value) / 32768.0f);
            }
            return recording;
        }
        offset += 8 + size + (size % 2);
    }
    return {};
}

std::vector<SoundRun> soundRuns(const Recording& recording, double minimumGapMs, float threshold)
{
    std::vector<SoundRun> runs;
    if (recording.sampleRate <= 0)
        return runs;
    const auto minimumGap = static_cast<std::size_t>(minimumGapMs * recording.sampleRate / 1000.0);
    const auto toMs = [&](std::size_t sample) { return 1000.0 * static_cast<double>(sample) / recording.sampleRate; };
    const std::size_t count = recording.samples.size();
    std::size_t index = 0;
    while (index < count) {
        while (index < count && std::fabs(recording.samples[index]) < threshold)
            ++index;
        if (index == count)
            break;
        const std::size_t start = index;
        std::size_t lastLoud = index;
        while (index < count && index - lastLoud <= minimumGap) {
            if (std::fabs(recording.samples[index]) >= threshold)
                lastLoud = index;
            ++index;
        }
        // The middle four fifths: the edges of a run may hold a fade or a partial period.
        const std::size_t margin = (lastLoud - start) / 10;
        runs.push_back({toMs(start), toMs(lastLoud + 1),
                        zeroCrossingHertz(recording, start + margin, lastLoud + 1 - margin)});
        index = lastLoud + 1;
    }
    return runs;
}

} // namespace tilvane::bench

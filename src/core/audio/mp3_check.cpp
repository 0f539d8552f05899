#include "core/audio/mp3_check.h"

#include <fstream>

namespace tilvane {

namespace {

bool isId3Tag(std::string_view bytes)
{
    // "ID3", a major version 2..4 and a revision below 0xFF.
    return bytes.size() >= 10 && bytes.substr(0, 3) == "ID3" && static_cast<unsigned char>(bytes[3]) >= 2
        && static_cast<unsigned char>(bytes[3]) <= 4 && static_cast<unsigned char>(bytes[4]) != 0xFF;
}

bool isFrameHeader(std::string_view bytes)
{
    if (bytes.size() < 4)
        return false;
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const bool sync = byte(0) == 0xFF && (byte(1) & 0xE0) == 0xE0;
    const int version = (byte(1) >> 3) & 0x03; // 1 is reserved
    const int layer = (byte(1) >> 1) & 0x03;   // 0 is reserved
    const int bitrate = byte(2) >> 4;          // 15 is invalid
    const int sampleRate = (byte(2) >> 2) & 0x03; // 3 is reserved
    return sync && version != 1 && layer != 0 && bitrate != 15 && sampleRate != 3;
}

} // namespace

bool startsLikeMp3(std::string_view bytes)
{
    return isId3Tag(bytes) || isFrameHeader(bytes);
}

bool isMp3File(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    char head[10] = {};
    file.read(head, sizeof head);
    return startsLikeMp3(std::string_view(head, static_cast<std::size_t>(file.gcount())));
}

} // namespace tilvane

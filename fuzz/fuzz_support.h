#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>

namespace tilvane::fuzz {

// A folder private to this process below TMPDIR (or /tmp), removed when the process ends
// normally; a crashing input leaves it behind for a look at what was written.
const std::filesystem::path& scratchFolder();

// Stops the process with the message when a property every input must keep does not hold,
// so that both libFuzzer and the corpus replay report the input as a failure.
void require(bool holds, const char* property);

inline std::string_view asText(const std::uint8_t* data, std::size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

} // namespace tilvane::fuzz

// The entry point every target defines; libFuzzer or the replay driver calls it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

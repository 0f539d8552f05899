#pragma once

#include <cstddef>
#include <string>

namespace tilvane::bench {

// The least a program can do to put `size` bytes into a file: one open, one write, one close.
// Throws std::runtime_error when the file cannot be written.
void writeBytes(const std::string& path, const char* bytes, std::size_t size);

// A buffer of `size` bytes to write, made once.
const char* floorBytes(std::size_t size);

} // namespace tilvane::bench

#pragma once

#include <string>

namespace tilvane {

// Opens a reciter's temporary ".part" file for writing, created or emptied. It is always a
// regular file of its own: a link, FIFO or device planted under that name is refused, never
// written through. Returns the descriptor (the caller closes it), or -1 with errno set.
int openPartFile(const std::string& path);

// Why openPartFile failed with error, for a failure line: "cannot write PATH: why".
std::string partFileProblem(const std::string& path, int error);

} // namespace tilvane

#pragma once

#include <sys/types.h>

namespace tilvane::bench {

// The proportional set size of a process and all its descendants (the web engine's zygote
// and renderers), in MB, from /proc/<pid>/smaps_rollup; processes that end meanwhile count 0.
double treePssMegabytes(pid_t root);

} // namespace tilvane::bench

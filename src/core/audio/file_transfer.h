#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace tilvane {

struct TransferResult {
    enum class Status { Done, NotFound, Failed };
    Status status = Status::Failed;
    std::string error; // for NotFound and Failed: what went wrong, for the user
    std::int64_t bytes = 0;
};

// Moves the files of a reciter's source (a web folder, a local folder) to the installer.
class IFileTransfer {
public:
    using Done = std::function<void(const TransferResult&)>;
    virtual ~IFileTransfer() = default;

    // Writes the source's file `name` (as a flat per-aya set names it: "002255.mp3", or a
    // formula such as "bismillah.mp3") to partPath, replacing what is there. Calls done
    // exactly once, possibly before returning, unless cancelAll comes first.
    virtual void fetch(const std::string& name, const std::string& partPath, Done done) = 0;
    // Stops every fetch under way; their done is never called.
    virtual void cancelAll() = 0;
};

} // namespace tilvane

#pragma once

#include <stdexcept>
#include <string>

namespace tilvane {

// Errors the user reads: the message says what failed and names the file.
class TilvaneError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A data or page file that cannot be opened; start-up loading stops on it.
class FileOpenError : public TilvaneError {
public:
    explicit FileOpenError(const std::string& path, const std::string& reason = {})
        : TilvaneError("Cannot open file \"" + path + "\"." + (reason.empty() ? "" : " " + reason)), m_path(path)
    {
    }
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};

} // namespace tilvane

#pragma once

#include <cerrno>
#include <string>
#include <vector>

namespace tilvane {

// The folder an archive unpacks into, written without ever following a symbolic link and
// without touching the process umask (another thread may be creating files meanwhile): every
// step below the folder is opened relative to its parent, with links refused.
class ExtractTarget {
public:
    enum class Status { Ok, Refused, Failed };

    // targetFolder must be a real folder; false when it cannot be opened as one.
    bool open(const std::string& targetFolder);
    ~ExtractTarget();

    // Creates the folders of parts (relative, no "." or ".."), replacing a file or link that
    // stands where one of them belongs: the archive says a folder goes there.
    Status makeFolders(const std::vector<std::string>& parts);
    // Creates the file parts (replacing an earlier file of that name) and returns its open
    // descriptor in fd. Its missing folders are created; a link or file where one of them
    // belongs, or a folder in the file's place, refuses the entry.
    Status createFile(const std::vector<std::string>& parts, int& fd);

    // Removes the file parts that createFile made (an entry cut short); quiet when it is gone.
    void removeFile(const std::vector<std::string>& parts);

    // The errno of the last Failed step.
    int lastError() const { return m_error; }

private:
    // The folder name inside parent, opened; -1 when refused or failed (see m_refused).
    int enterFolder(int parent, const std::string& name, bool replaceOther);
    int openParent(const std::vector<std::string>& parts, bool replaceOther);
    Status failure(bool refused);

    int m_root = -1;
    int m_error = 0;
    bool m_refused = false;
};

} // namespace tilvane

#pragma once

#include <string>
#include <vector>

namespace tilvane {

// The working folder of one running instance below the private root: "Tilvane/" for the first
// instance, "Tilvane-2/", "Tilvane-3/", ... for others running at the same time, so that no
// instance deletes or rewrites the files another one is loading. The instance holds a lock on
// a file inside its folder while it lives; the lock goes with the process, so the folders of
// instances that died are known: one is reused, the others are removed.
class InstanceFolder {
public:
    // Takes the first free instance folder below privateRoot (which ends with the separator)
    // and removes the folders of dead instances. Throws TilvaneError when an instance folder
    // is a symbolic link or not ours, or when every instance folder is taken.
    static InstanceFolder acquire(const std::string& privateRoot);

    InstanceFolder(InstanceFolder&& other) noexcept;
    InstanceFolder& operator=(InstanceFolder&& other) noexcept;
    InstanceFolder(const InstanceFolder&) = delete;
    InstanceFolder& operator=(const InstanceFolder&) = delete;
    // Releases the folder for the next instance; its files stay.
    ~InstanceFolder();

    // The folder, ending with the separator.
    const std::string& path() const { return m_path; }

private:
    InstanceFolder(std::string path, int lockFd) : m_path(std::move(path)), m_lockFd(lockFd) {}

    std::string m_path;
    int m_lockFd = -1;
};

// Throws TilvaneError naming the first symbolic link found anywhere below folder: nothing the
// program writes there may end up elsewhere.
void refuseLinksBelow(const std::string& folder);

// Makes each path a real folder (owner-only when created), replacing a file that took its
// name. Parents come before their children.
void makeFolders(const std::vector<const std::string*>& folders);

} // namespace tilvane

#pragma once

#include "core/audio/file_transfer.h"

#include <string>

namespace tilvane {

// A reciter's source on the local disk: a folder holding the per-aya files flat
// ("002255.mp3") or in per-sura subfolders ("002/002255.mp3"), the formula recordings
// beside them. Each fetch completes before it returns.
class FolderTransfer : public IFileTransfer {
public:
    enum class Mode { Copy, Move };

    // Move is for a folder of our own (an unpacked archive): renaming costs no copy.
    explicit FolderTransfer(std::string folder, Mode mode = Mode::Copy);

    void fetch(const std::string& name, const std::string& partPath, Done done) override;
    void cancelAll() override {}

private:
    std::string m_folder;
    Mode m_mode;
};

// The folder below which a source's files lie: the folder itself, or its only subfolder
// when the files are not at its top (an archive usually wraps them in one folder).
std::string sourceRoot(const std::string& folder);

} // namespace tilvane

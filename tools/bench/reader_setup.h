#pragma once

#include "core/quran/quran_loader.h"

#include <string>

namespace tilvane::bench {

// Points TMPDIR and XDG_DATA_HOME at a fresh folder of this run below the caller's TMPDIR
// (or /tmp), so that the reader's real working folder and fonts are never touched; the folder
// is removed with the object.
class ScratchFolders {
public:
    ScratchFolders();
    ~ScratchFolders();
    ScratchFolders(const ScratchFolders&) = delete;
    ScratchFolders& operator=(const ScratchFolders&) = delete;

    const std::string& root() const { return m_root; }

private:
    std::string m_root;
};

// Loading as the reader does it without a window: the stylesheets are written, nothing shown.
class BenchLoadHost : public IQuranLoadHost {
public:
    void createBrowserHosts() override {}
    void loadIndexTree(const std::vector<IndexNode>&) override {}
    void fillContents(const std::vector<TContentsSura>&) override {}
    void writeStylesheets() override;
    void showInitialPosition(int, int) override {}
};

// Start-up on the default data beside the executable, with a settings file of the run's own
// in `scratch`; the Quran data is loaded once.
void startReader(const std::string& scratch);

enum class TranslationSet {
    BuiltIn,      // the built-in translation and transliteration
    FivePackages, // the same and the first five installed packages
    TenPackages,  // the same and the first ten installed packages
};

// Stores the selection in the settings file and reloads the catalogue, as the settings
// dialog's Apply does. Throws std::runtime_error when fewer packages are installed.
void selectTranslations(TranslationSet set);

// Writes a settings file at iniPath (and makes it the settings file of this process) that
// starts the reader at aya 1:1: with the default selection of translations for BuiltIn, with
// the packages of `set` found on the default data beside the executable otherwise.
void writeReaderSettings(const std::string& iniPath, TranslationSet set);

} // namespace tilvane::bench

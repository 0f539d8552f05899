#pragma once

#include "support/temp_folder.h"

#include <string>

namespace tilvane::test {

// A test-only application folder: the built default data (res/) beside a settings file of
// the test's own. Creating it makes it the program's folder (working folders, path
// constants) and gives AppSet its defaults.
class TestAppFolder {
public:
    // Empty: an empty recitation folder of the test's own, for installing into.
    enum class Recitation { None, Synthetic, Empty };

    // With Recitation::Synthetic, res/audio/ holds the synthetic reciter "synthetic" made by
    // scripts/make-test-recitation.sh in this test process's scratch folder (never in the
    // build's res/audio/).
    explicit TestAppFolder(Recitation recitation = Recitation::None);

    std::string dir() const { return m_folder.dir(); }
    std::string iniFile() const { return dir() + "Tilvane.ini"; }

private:
    TempFolder m_folder;
};

} // namespace tilvane::test

#pragma once

#include "support/temp_folder.h"

#include <string>

namespace tilvane::test {

// A test-only application folder: the built default data (res/) beside a settings file of
// the test's own. Creating it makes it the program's folder (working folders, path
// constants) and gives AppSet its defaults.
class TestAppFolder {
public:
    TestAppFolder();

    std::string dir() const { return m_folder.dir(); }
    std::string iniFile() const { return dir() + "Tilvane.ini"; }

private:
    TempFolder m_folder;
};

} // namespace tilvane::test

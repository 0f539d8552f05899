#pragma once

#include <filesystem>
#include <string>

namespace tilvane::test {

// A fresh folder below this test process's scratch folder, removed with the object.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    // The folder path ending with the separator, as the program's folder paths do.
    std::string dir() const { return m_path.string() + "/"; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

std::string readFile(const std::filesystem::path& file);
void writeFile(const std::filesystem::path& file, const std::string& bytes);

} // namespace tilvane::test

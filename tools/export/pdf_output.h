#pragma once

#include <string>

namespace tilvane::exporter {

// Shows the written page in an offscreen web view, as the reader would, and saves it as PDF
// to outFile. Throws TilvaneError naming the file when that fails.
void writePagePdfFile(const std::string& pagePath, const std::string& outFile, int& argc, char** argv);

} // namespace tilvane::exporter

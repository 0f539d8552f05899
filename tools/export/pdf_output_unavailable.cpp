#include "pdf_output.h"

#include "core/base/errors.h"

namespace tilvane::exporter {

// Built without the Qt layer (TILVANE_BUILD_GUI=OFF) there is no web engine to print with.
void writePagePdfFile(const std::string&, const std::string& outFile, int&, char**)
{
    throw TilvaneError("Unable to write to " + outFile + ": this tilvane-export was built without PDF output.");
}

} // namespace tilvane::exporter

#pragma once

#include "core/quran/quran_loader.h"

#include <string>
#include <vector>

namespace tilvane::exporter {

// The reader's start-up loading without a window: there are no browsers or trees to fill,
// the stylesheets are written as the reader writes them, and no page is shown at the end.
class ExportLoadHost : public IQuranLoadHost {
public:
    void createBrowserHosts() override {}
    void loadIndexTree(const std::vector<IndexNode>&) override {}
    void fillContents(const std::vector<TContentsSura>& suras) override { m_contents = suras; }
    void writeStylesheets() override;
    void showInitialPosition(int, int) override {}

    // The body file a preface or closing node of the contents carries for this sura.
    std::string pageFileOf(int sura, std::uint8_t kind) const;

private:
    std::vector<TContentsSura> m_contents;
};

} // namespace tilvane::exporter

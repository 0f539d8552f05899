#include "export_load_host.h"

#include "core/base/errors.h"
#include "core/render/stylesheets.h"

namespace tilvane::exporter {

void ExportLoadHost::writeStylesheets()
{
    WriteAllStylesheets();
}

std::string ExportLoadHost::pageFileOf(int sura, std::uint8_t kind) const
{
    for (const TContentsSura& entry : m_contents) {
        if (entry.item.node.Sura != sura)
            continue;
        for (const ContentsItem& child : entry.children) {
            if (child.node.Kind == kind)
                return child.node.PageFile;
        }
    }
    throw TilvaneError("The contents hold no such page for sura " + std::to_string(sura) + ".");
}

} // namespace tilvane::exporter

#include "gui/ui/font_choice.h"

#include "core/render/stylesheets.h"

#include <QComboBox>

namespace tilvane {

int fontRowFor(const QComboBox& list, const QString& family)
{
    const int exact = list.findText(family, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (exact >= 0)
        return exact;
    const std::string wanted = family.toStdString();
    for (int row = 0; row < list.count(); ++row) {
        const std::string listed = list.itemText(row).toStdString();
        if (listed != wanted && fontFamilyWithoutFoundry(listed) == wanted)
            return row;
    }
    return -1;
}

} // namespace tilvane

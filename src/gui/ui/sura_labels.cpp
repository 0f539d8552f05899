#include "gui/ui/sura_labels.h"

#include "core/quran/quran_store.h"
#include "gui/app/qt_text.h"
#include "gui/i18n/interface_language.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QTreeWidget>

namespace tilvane {

namespace {

// "002. Al-Baqarah" becomes "002. البقرة"; a sura the data names not keeps its Latin label.
QString arabicLabel(const QString& latinLabel, int index)
{
    const std::string& arabic = SuraNameAr.lineOrEmpty(static_cast<std::size_t>(index));
    const qsizetype dot = latinLabel.indexOf(QLatin1String(". "));
    if (arabic.empty() || dot < 0)
        return latinLabel;
    return latinLabel.left(dot + 2) + toQString(arabic);
}

} // namespace

void labelSuraEntries(QComboBox* suraBox, QTreeWidget* contents, const QStringList& latinLabels)
{
    const bool arabic = currentInterfaceLanguage() == QLatin1String("ar");
    const QSignalBlocker boxBlocker(suraBox);
    const QSignalBlocker treeBlocker(contents);
    for (int i = 0; i < latinLabels.size(); ++i) {
        const QString label = arabic ? arabicLabel(latinLabels[i], i) : latinLabels[i];
        if (i < suraBox->count())
            suraBox->setItemText(i, label);
        if (i < contents->topLevelItemCount())
            contents->topLevelItem(i)->setText(0, label);
    }
}

} // namespace tilvane

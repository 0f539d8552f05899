#pragma once

#include <QStringList>

class QComboBox;
class QTreeWidget;

namespace tilvane {

// Labels the sura box entries and the contents tree's sura nodes alike ("002. ..."), with the
// Arabic names of the data when the interface is Arabic and the Latin names (latinLabels, as
// loaded) otherwise. Both change together, so a sura box text still finds its tree node.
void labelSuraEntries(QComboBox* suraBox, QTreeWidget* contents, const QStringList& latinLabels);

} // namespace tilvane

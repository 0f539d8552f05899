#pragma once

#include "core/quran/contents_tree.h"

#include <QString>

#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

namespace tilvane {

// Replaces the contents tree's nodes; every node carries its TContentNode.
void fillContentsTree(QTreeWidget* tree, const std::vector<TContentsSura>& suras);
TContentNode contentNodeOf(const QTreeWidgetItem* item);

} // namespace tilvane

#pragma once

#include "core/quran/contents_tree.h"
#include "core/quran/index_tree.h"

#include <QString>

#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

namespace tilvane {

// Replaces the contents tree's nodes; every node carries its TContentNode.
void fillContentsTree(QTreeWidget* tree, const std::vector<TContentsSura>& suras);
TContentNode contentNodeOf(const QTreeWidgetItem* item);

// Replaces the Index tab's nodes.
void fillIndexTree(QTreeWidget* tree, const std::vector<TIndexNode>& nodes);

} // namespace tilvane

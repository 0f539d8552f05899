#pragma once

#include "core/quran/index_tree.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace tilvane {

// Replaces the Index tab's nodes: the node's text, and beside it where the node leads.
void fillIndexTree(QTreeWidget* tree, const std::vector<IndexNode>& nodes);

// Where the node leads; Sura 0 for a node that only groups others.
TQuranPos indexTargetOf(const QTreeWidgetItem* item);

} // namespace tilvane

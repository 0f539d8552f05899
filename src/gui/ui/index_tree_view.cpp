#include "gui/ui/index_tree_view.h"

#include "gui/app/qt_text.h"

#include <QHeaderView>
#include <QTreeWidget>

namespace tilvane {

namespace {

enum Role { SuraRole = Qt::UserRole, AyaRole };
enum Column { TextColumn, TargetColumn };

} // namespace

void fillIndexTree(QTreeWidget* tree, const std::vector<IndexNode>& nodes)
{
    tree->clear();
    tree->setColumnCount(2);
    std::vector<QTreeWidgetItem*> items;
    items.reserve(nodes.size());
    QList<QTreeWidgetItem*> top;
    for (const IndexNode& node : nodes) {
        auto* item = new QTreeWidgetItem({toQString(node.text), toQString(indexTargetText(node.target))});
        item->setData(TextColumn, SuraRole, node.target.Sura);
        item->setData(TextColumn, AyaRole, node.target.Aya);
        if (node.parent >= 0 && static_cast<std::size_t>(node.parent) < items.size())
            items[static_cast<std::size_t>(node.parent)]->addChild(item);
        else
            top.append(item);
        items.push_back(item);
    }
    tree->addTopLevelItems(top);
    tree->header()->setSectionResizeMode(TextColumn, QHeaderView::ResizeToContents);
}

TQuranPos indexTargetOf(const QTreeWidgetItem* item)
{
    if (item == nullptr)
        return {};
    return {item->data(TextColumn, SuraRole).toInt(), item->data(TextColumn, AyaRole).toInt()};
}

} // namespace tilvane

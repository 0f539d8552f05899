#include "gui/ui/contents_tree_view.h"

#include "gui/app/qt_text.h"

#include <array>

#include <QApplication>
#include <QIcon>
#include <QStyle>
#include <QTreeWidget>

namespace tilvane {

namespace {

enum Role { SuraRole = Qt::UserRole, KindRole, PageFileRole, StateImageRole, SelectedImageRole };

QIcon stateIcon(ContentsImage image)
{
    // Looked up once: the style's icon lookup is slow enough to matter 456 times at start-up.
    static const std::array<QIcon, 5> icons = [] {
        QStyle* style = QApplication::style();
        return std::array<QIcon, 5>{QIcon(),
                                    style->standardIcon(QStyle::SP_DirClosedIcon),
                                    style->standardIcon(QStyle::SP_DirOpenIcon),
                                    style->standardIcon(QStyle::SP_FileIcon),
                                    style->standardIcon(QStyle::SP_FileDialogContentsView)};
    }();
    return image <= kSuraTextImage ? icons[static_cast<std::size_t>(image)] : QIcon();
}

QTreeWidgetItem* makeItem(const ContentsItem& content)
{
    auto* item = new QTreeWidgetItem({toQString(content.text)});
    item->setData(0, SuraRole, content.node.Sura);
    item->setData(0, KindRole, content.node.Kind);
    item->setData(0, PageFileRole, toQString(content.node.PageFile));
    item->setIcon(0, stateIcon(content.stateImage));
    item->setData(0, StateImageRole, static_cast<int>(content.stateImage));
    item->setData(0, SelectedImageRole, static_cast<int>(content.selectedImage));
    return item;
}

void showSelectedImage(QTreeWidgetItem* item, bool selected)
{
    if (item == nullptr)
        return;
    const auto state = static_cast<ContentsImage>(item->data(0, StateImageRole).toInt());
    const auto chosen = static_cast<ContentsImage>(item->data(0, SelectedImageRole).toInt());
    item->setIcon(0, stateIcon(selected && chosen != kNoImage ? chosen : state));
}

} // namespace

void fillContentsTree(QTreeWidget* tree, const std::vector<TContentsSura>& suras)
{
    tree->clear();
    QList<QTreeWidgetItem*> top;
    top.reserve(static_cast<qsizetype>(suras.size()));
    for (const TContentsSura& sura : suras) {
        QTreeWidgetItem* item = makeItem(sura.item);
        for (const ContentsItem& child : sura.children)
            item->addChild(makeItem(child));
        top.append(item);
    }
    tree->addTopLevelItems(top);
    QObject::disconnect(tree, &QTreeWidget::currentItemChanged, tree, nullptr);
    QObject::connect(tree, &QTreeWidget::currentItemChanged, tree,
                     [](QTreeWidgetItem* current, QTreeWidgetItem* previous) {
                         showSelectedImage(previous, false);
                         showSelectedImage(current, true);
                     });
}

TContentNode contentNodeOf(const QTreeWidgetItem* item)
{
    TContentNode node;
    node.Sura = item->data(0, SuraRole).toInt();
    node.Kind = static_cast<std::uint8_t>(item->data(0, KindRole).toInt());
    node.PageFile = item->data(0, PageFileRole).toString().toStdString();
    return node;
}

} // namespace tilvane

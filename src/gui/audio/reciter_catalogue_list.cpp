#include "gui/audio/reciter_catalogue_list.h"

#include "gui/app/qt_text.h"
#include "gui/audio/byte_size_text.h"
#include "gui/i18n/live_text.h"

#include <QHeaderView>
#include <QSignalBlocker>

namespace tilvane {

namespace {

enum Column { ReciterColumn, StyleColumn, QualityColumn, SizeColumn, ColumnCount };

} // namespace

ReciterCatalogueList::ReciterCatalogueList(QWidget* parent)
    : QTreeWidget(parent)
{
    setObjectName("lstCatalogue");
    setColumnCount(ColumnCount);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(ReciterColumn, QHeaderView::Stretch);
    for (const int column : {StyleColumn, QualityColumn, SizeColumn})
        header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    keepTranslated(this, [this] {
        showHeader();
        reload();
    });
    connect(this, &QTreeWidget::currentItemChanged, this, [this] {
        if (const std::optional<CatalogueEntry> entry = currentEntry())
            emit entryChosen(*entry);
    });
}

void ReciterCatalogueList::showHeader()
{
    setHeaderLabels({tr("Reciter"), tr("Style"), tr("Quality"), tr("Whole Quran")});
}

void ReciterCatalogueList::reload()
{
    const int current = currentIndex().row();
    clear();
    m_entries = loadReciterCatalogue(reciterCatalogueFile());
    for (const CatalogueEntry& entry : m_entries) {
        auto* item = new QTreeWidgetItem(this);
        item->setText(ReciterColumn, toQString(entry.reciter));
        item->setText(StyleColumn, toQString(entry.style));
        item->setText(QualityColumn, entry.bitrateKbps > 0 ? tr("%1 kbps").arg(entry.bitrateKbps) : QString());
        item->setText(SizeColumn, entry.approximateBytes > 0 ? approximateSizeText(entry.approximateBytes) : QString());
        item->setTextAlignment(SizeColumn, Qt::AlignRight | Qt::AlignVCenter);
        item->setToolTip(ReciterColumn, toQString(entry.url));
    }
    if (current >= 0 && current < topLevelItemCount()) {
        const QSignalBlocker blocker(this);
        setCurrentItem(topLevelItem(current));
    }
}

std::optional<CatalogueEntry> ReciterCatalogueList::currentEntry() const
{
    const int row = currentIndex().row();
    if (row < 0 || row >= static_cast<int>(m_entries.size()))
        return std::nullopt;
    return m_entries[static_cast<std::size_t>(row)];
}

} // namespace tilvane

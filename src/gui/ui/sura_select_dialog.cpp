#include "gui/ui/sura_select_dialog.h"

#include "core/app/paths.h"
#include "core/quran/sura_search.h"
#include "core/quran/sura_table.h"
#include "gui/app/ui_font.h"
#include "gui/i18n/live_text.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace tilvane {

namespace {

enum Column { nxIdx, nxSuraName, nxAyaCount, nxDescent };

QTableWidgetItem* cell(const std::string& text, Qt::Alignment alignment)
{
    auto* item = new QTableWidgetItem(QString::fromStdString(text));
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}

} // namespace

TDlgSrchSura::TDlgSrchSura(QWidget* owner)
    : QDialog(owner)
{
    setObjectName("DlgSrchSura");
    keepTranslated(this, [this] { setWindowTitle(tr("Select Sura Name")); });
    QFont font = tahomaFont();
    font.setPointSize(8);
    setFont(font);
    resize(388, 360);

    auto* label = new QLabel(this);
    keepTranslatedText(label, [] { return tr("Sura Name:"); });
    edSearch = new QLineEdit(this);
    edSearch->setObjectName("edSearch");
    label->setBuddy(edSearch);
    btnSearch = new QPushButton(this);
    keepTranslatedText(btnSearch, [] { return tr("&Search"); });
    btnSearch->setObjectName("btnSearch");
    btnSearch->setAutoDefault(false);
    auto* top = new QHBoxLayout;
    top->addWidget(label);
    top->addWidget(edSearch, 1);
    top->addWidget(btnSearch);

    ngQuranIdx = new QTableWidget(0, 4, this);
    ngQuranIdx->setObjectName("ngQuranIdx");
    keepTranslated(ngQuranIdx, [this] {
        ngQuranIdx->setHorizontalHeaderLabels({tr("Idx"), tr("Sura Name"), tr("Aya Count"), tr("Descent")});
    });
    ngQuranIdx->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ngQuranIdx->setSelectionBehavior(QAbstractItemView::SelectRows);
    ngQuranIdx->setSelectionMode(QAbstractItemView::SingleSelection);
    ngQuranIdx->setShowGrid(true);
    ngQuranIdx->verticalHeader()->hide();
    ngQuranIdx->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    ngQuranIdx->horizontalHeader()->setSectionsMovable(false);
    ngQuranIdx->horizontalHeader()->setStretchLastSection(true);
    ngQuranIdx->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ngQuranIdx->installEventFilter(this);

    btnOK = new QPushButton(this);
    keepTranslatedText(btnOK, [] { return tr("&OK"); });
    btnOK->setObjectName("btnOK");
    btnOK->setAutoDefault(false);
    btnCancel = new QPushButton(this);
    keepTranslatedText(btnCancel, [] { return tr("&Cancel"); });
    btnCancel->setObjectName("btnCancel");
    btnCancel->setAutoDefault(false);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(btnOK);
    bottom->addWidget(btnCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(ngQuranIdx, 1);
    layout->addLayout(bottom);

    connect(edSearch, &QLineEdit::textChanged, this, &TDlgSrchSura::edSearchChange);
    connect(edSearch, &QLineEdit::returnPressed, this, &TDlgSrchSura::btnSearchClick);
    connect(btnSearch, &QPushButton::clicked, this, &TDlgSrchSura::btnSearchClick);
    connect(btnOK, &QPushButton::clicked, this, &TDlgSrchSura::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ngQuranIdx, &QTableWidget::cellDoubleClicked, this, &TDlgSrchSura::btnOKClick);

    FormCreate();
}

void TDlgSrchSura::FormCreate()
{
    ngQuranIdx->setUpdatesEnabled(false);
    ngQuranIdx->setRowCount(kSuraCount);
    for (int sura = 1; sura <= kSuraCount; ++sura) {
        const int row = sura - 1;
        const TSuraInfo& info = SuraTable[sura];
        ngQuranIdx->setItem(row, nxIdx, cell(ZeroPad(sura, 3), Qt::AlignHCenter));
        ngQuranIdx->setItem(row, nxSuraName, cell(SuraLatinNames[sura], Qt::AlignLeft));
        ngQuranIdx->setItem(row, nxAyaCount, cell(std::to_string(info.AyaCount), Qt::AlignHCenter));
        ngQuranIdx->setItem(row, nxDescent, cell(info.Descent, Qt::AlignLeft));
    }
    ngQuranIdx->setUpdatesEnabled(true);
    fitColumnsToContents();
    // Confirming always has a row to read.
    ngQuranIdx->selectRow(0);
}

// Fixed widths clipped the headers in fonts wider than the one they were measured in; the
// columns take the width their texts need in the font in use, and the dialog grows to show
// them all, so no column is cut and no horizontal scroll bar is needed.
void TDlgSrchSura::fitColumnsToContents()
{
    ngQuranIdx->resizeColumnsToContents();
    int tableWidth = 2 * ngQuranIdx->frameWidth() + ngQuranIdx->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < ngQuranIdx->columnCount(); ++column)
        tableWidth += ngQuranIdx->columnWidth(column);
    ngQuranIdx->setMinimumWidth(tableWidth);
    resize(std::max(width(), minimumSizeHint().width()), height());
}

int TDlgSrchSura::selectedSura() const
{
    const int row = ngQuranIdx->currentRow();
    const QTableWidgetItem* idx = row >= 0 ? ngQuranIdx->item(row, nxIdx) : nullptr;
    return idx != nullptr ? idx->text().toInt() : 0;
}

void TDlgSrchSura::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    edSearch->setFocus();
}

bool TDlgSrchSura::searchName()
{
    const int sura = findSuraByName(edSearch->text().toStdString());
    if (sura == 0)
        return false;
    ngQuranIdx->selectRow(sura - 1);
    ngQuranIdx->scrollToItem(ngQuranIdx->item(sura - 1, nxIdx));
    return true;
}

void TDlgSrchSura::edSearchChange()
{
    searchName();
}

void TDlgSrchSura::btnSearchClick()
{
    if (edSearch->text().isEmpty())
        return;
    if (searchName()) {
        ngQuranIdx->setFocus();
        return;
    }
    QMessageBox::information(this, windowTitle(), tr("Sura Name: %1 not found!").arg(edSearch->text()));
    edSearch->setFocus();
}

void TDlgSrchSura::btnOKClick()
{
    accept();
}

bool TDlgSrchSura::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ngQuranIdx && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            btnOKClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tilvane

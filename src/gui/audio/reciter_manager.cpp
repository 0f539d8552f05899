#include "gui/audio/reciter_manager.h"

#include "core/app/settings.h"
#include "core/audio/reciter_layout.h"
#include "gui/app/error_handler.h"
#include "gui/app/qt_text.h"
#include "gui/audio/reciter_install_dialog.h"
#include "gui/audio/reciter_list_model.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace tilvane {

ReciterManager::ReciterManager(ReciterListModel* model, QWidget* parent)
    : QWidget(parent)
    , m_model(model)
    , m_chosen(toQString(AppSet.Reciter))
{
    setObjectName("panReciterManager");
    lvReciters = new QTreeView(this);
    lvReciters->setObjectName("lvReciters");
    lvReciters->setModel(m_model);
    lvReciters->setRootIsDecorated(false);
    lvReciters->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvReciters->setSelectionMode(QAbstractItemView::SingleSelection);
    lvReciters->header()->setSectionResizeMode(ReciterListModel::NameColumn, QHeaderView::Stretch);
    lvReciters->header()->setStretchLastSection(false);
    lvReciters->header()->setMinimumSectionSize(40);
    lvReciters->header()->setDefaultSectionSize(70);
    // The buttons keep their captions whole; the list takes what is left.
    lvReciters->setMinimumWidth(120);
    btnInstall = new QPushButton(this);
    btnInstall->setObjectName("btnInstallReciters");
    btnRemove = new QPushButton(this);
    btnRemove->setObjectName("btnRemoveReciter");
    btnPlayThis = new QPushButton(this);
    btnPlayThis->setObjectName("btnPlayThisReciter");
    lblPlaying = new QLabel(this);
    lblPlaying->setObjectName("lblPlayingReciter");
    lblPlaying->setWordWrap(true);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {btnInstall, btnRemove, btnPlayThis}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    auto* row = new QHBoxLayout;
    row->addWidget(lvReciters, 1);
    row->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(row, 1);
    layout->addWidget(lblPlaying);

    connect(lvReciters->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &ReciterManager::updateButtons);
    connect(m_model, &QAbstractItemModel::modelReset, this, &ReciterManager::updateButtons);
    connect(lvReciters, &QTreeView::doubleClicked, this, &ReciterManager::playThisClick);
    connect(btnInstall, &QPushButton::clicked, this, guarded([this] { installClick(); }));
    connect(btnRemove, &QPushButton::clicked, this, guarded([this] { removeClick(); }));
    connect(btnPlayThis, &QPushButton::clicked, this, &ReciterManager::playThisClick);
    m_model->setPlayingReciter(m_chosen);
    const int row0 = m_model->rowOf(m_chosen);
    lvReciters->setCurrentIndex(m_model->index(row0 < 0 ? 0 : row0, 0));
    retranslateUi();
}

void ReciterManager::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

void ReciterManager::retranslateUi()
{
    btnInstall->setText(tr("&Install\u2026"));
    btnRemove->setText(tr("&Remove"));
    btnPlayThis->setText(tr("&Play this reciter"));
    m_model->retranslate();
    updateButtons();
}

QString ReciterManager::selectedReciter() const
{
    const QModelIndex current = lvReciters->currentIndex();
    return current.isValid() ? m_model->reciterAt(current.row()) : QString();
}

void ReciterManager::updateButtons()
{
    const QString selected = selectedReciter();
    btnRemove->setEnabled(!selected.isEmpty());
    btnPlayThis->setEnabled(!selected.isEmpty() && selected != m_chosen);
    if (m_model->rowCount() == 0)
        lblPlaying->setText(tr("No recitation installed. Install\u2026 takes a web folder, a folder or a ZIP/7z file "
                               "of per-aya files named like 001001.mp3."));
    else if (m_model->rowOf(m_chosen) < 0)
        lblPlaying->setText(tr("No reciter chosen: select one and press \"Play this reciter\"."));
    else
        lblPlaying->setText(tr("Plays: %1").arg(m_chosen));
}

void ReciterManager::installClick()
{
    ReciterInstallDialog dialog(this);
    connect(&dialog, &ReciterInstallDialog::reciterInstalled, this,
            guarded([this](const QString& name) { reciterInstalled(name); }));
    dialog.exec();
}

// As in the Audio Player tab: the reciter just installed becomes the one to play.
void ReciterManager::reciterInstalled(const QString& name)
{
    m_model->refresh();
    m_chosen = name;
    m_model->setPlayingReciter(m_chosen);
    lvReciters->setCurrentIndex(m_model->index(m_model->rowOf(name), 0));
    updateButtons();
}

void ReciterManager::removeClick()
{
    const QString name = selectedReciter();
    if (name.isEmpty())
        return;
    const auto answer = QMessageBox::question(
        this, window()->windowTitle(),
        tr("Remove the reciter \"%1\" and delete its files from this computer?").arg(name));
    if (answer != QMessageBox::Yes)
        return;
    removeReciter(name.toStdString());
    m_model->refresh();
    if (name == m_chosen)
        m_chosen = m_model->rowOf(toQString(AppSet.Reciter)) >= 0 ? toQString(AppSet.Reciter) : QString();
    m_model->setPlayingReciter(m_chosen);
    lvReciters->setCurrentIndex(m_model->index(0, 0));
    updateButtons();
}

void ReciterManager::playThisClick()
{
    const QString name = selectedReciter();
    if (name.isEmpty())
        return;
    m_chosen = name;
    m_model->setPlayingReciter(m_chosen);
    updateButtons();
}

} // namespace tilvane

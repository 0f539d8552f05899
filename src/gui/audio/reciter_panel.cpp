#include "gui/audio/reciter_panel.h"

#include "core/app/settings.h"
#include "core/audio/reciter_choice.h"
#include "core/audio/reciter_layout.h"
#include "gui/app/qt_text.h"
#include "gui/audio/reciter_list_model.h"
#include "gui/i18n/live_text.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tilvane {

ReciterPanel::ReciterPanel(QWidget* parent)
    : QWidget(parent)
    , m_reciters(new ReciterListModel(this))
{
    setObjectName("panReciter");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    lblNoRecitation = new QLabel(this);
    keepTranslated(lblNoRecitation, [this] { showReciterState(); });
    lblNoRecitation->setObjectName("lblNoRecitation");
    lblNoRecitation->setWordWrap(true);
    cbReciter = new QComboBox(this);
    cbReciter->setObjectName("cbReciter");
    cbReciter->setModel(m_reciters);
    keepTranslated(cbReciter, [this] { cbReciter->setToolTip(tr("Reciter")); });
    btnInstallReciter = new QPushButton(this);
    keepTranslatedText(btnInstallReciter, [] { return tr("Install recitation\u2026"); });
    btnInstallReciter->setObjectName("btnInstallReciter");
    layout->addWidget(lblNoRecitation);
    layout->addWidget(cbReciter);
    layout->addWidget(btnInstallReciter);

    // Only a choice of the user's: the list is also read anew while the settings manage it.
    connect(cbReciter, &QComboBox::activated, this, [this] { emit reciterChosen(cbReciter->currentText()); });
    connect(btnInstallReciter, &QPushButton::clicked, this, &ReciterPanel::installRequested);
}

void ReciterPanel::refresh()
{
    const QSignalBlocker blocker(cbReciter);
    m_reciters->refresh();
    const bool installed = isReciterInstalled(AppSet.Reciter);
    cbReciter->setCurrentIndex(installed ? m_reciters->rowOf(toQString(AppSet.Reciter)) : -1);
    cbReciter->setVisible(cbReciter->count() > 0);
    showReciterState();
}

void ReciterPanel::showReciterState()
{
    const ReciterState state = reciterState(AppSet.Reciter);
    if (state == ReciterState::NoneInstalled)
        lblNoRecitation->setText(tr("No recitation installed"));
    else if (state == ReciterState::NotInstalled)
        lblNoRecitation->setText(tr("The recitation \"%1\" is not installed; choose one below.")
                                     .arg(toQString(AppSet.Reciter)));
    lblNoRecitation->setVisible(state != ReciterState::Installed);
}

} // namespace tilvane

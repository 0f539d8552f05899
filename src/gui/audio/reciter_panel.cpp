#include "gui/audio/reciter_panel.h"

#include "core/app/settings.h"
#include "core/audio/reciter_choice.h"
#include "core/audio/reciter_layout.h"
#include "gui/app/qt_text.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tilvane {

ReciterPanel::ReciterPanel(QWidget* parent)
    : QWidget(parent)
{
    setObjectName("panReciter");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    lblNoRecitation = new QLabel("No recitation installed", this);
    lblNoRecitation->setObjectName("lblNoRecitation");
    lblNoRecitation->setWordWrap(true);
    cbReciter = new QComboBox(this);
    cbReciter->setObjectName("cbReciter");
    cbReciter->setToolTip("Reciter");
    btnInstallReciter = new QPushButton(QStringLiteral("Install recitation\u2026"), this);
    btnInstallReciter->setObjectName("btnInstallReciter");
    layout->addWidget(lblNoRecitation);
    layout->addWidget(cbReciter);
    layout->addWidget(btnInstallReciter);

    connect(cbReciter, &QComboBox::currentIndexChanged, this, [this] { emit reciterChosen(cbReciter->currentText()); });
    connect(btnInstallReciter, &QPushButton::clicked, this, &ReciterPanel::installRequested);
}

void ReciterPanel::refresh()
{
    const QSignalBlocker blocker(cbReciter);
    cbReciter->clear();
    for (const std::string& name : installedReciters())
        cbReciter->addItem(toQString(name));
    const std::string problem = reciterProblem(AppSet.Reciter);
    cbReciter->setCurrentIndex(problem.empty() ? cbReciter->findText(toQString(AppSet.Reciter)) : -1);
    cbReciter->setVisible(cbReciter->count() > 0);
    lblNoRecitation->setText(toQString(problem));
    lblNoRecitation->setVisible(!problem.empty());
}

} // namespace tilvane

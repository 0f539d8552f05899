#include "gui/ui/help_panel.h"

#include "gui/ui/help_text.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace tilvane {

HelpPanel::HelpPanel(QWidget* parent)
    : QWidget(parent)
{
    setObjectName("tabHelp");
    redtHelp = new QTextBrowser(this);
    redtHelp->setObjectName("redtHelp");
    redtHelp->setOpenExternalLinks(true);
    btnOKHelp = new QPushButton(this);
    btnOKHelp->setObjectName("btnOKHelp");
    // Outside a dialog a push button answers Enter only when it is an auto-default button.
    btnOKHelp->setAutoDefault(true);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(btnOKHelp);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 4, 4);
    layout->addWidget(redtHelp, 1);
    layout->addLayout(bottom);
    connect(btnOKHelp, &QPushButton::clicked, this, &HelpPanel::closeRequested);
    retranslateUi();
}

void HelpPanel::showHelp(const QList<QAction*>& actions)
{
    m_actions = actions;
    redtHelp->setHtml(buildHelpHtml(m_actions));
}

void HelpPanel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

void HelpPanel::retranslateUi()
{
    btnOKHelp->setText(tr("&OK"));
    if (!m_actions.isEmpty())
        redtHelp->setHtml(buildHelpHtml(m_actions));
}

} // namespace tilvane

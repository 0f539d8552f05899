#pragma once

#include <QList>
#include <QWidget>

class QAction;
class QPushButton;
class QTextBrowser;

namespace tilvane {

// The help page in the reader: the text of buildHelpHtml, rebuilt when the interface
// language changes, and an OK button that asks to return to where the reader was.
class HelpPanel : public QWidget {
    Q_OBJECT
public:
    explicit HelpPanel(QWidget* parent = nullptr);

    // Fills the page with the shortcuts of actions, from the top.
    void showHelp(const QList<QAction*>& actions);

    QTextBrowser* redtHelp = nullptr;
    QPushButton* btnOKHelp = nullptr;

signals:
    void closeRequested();

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();

    QList<QAction*> m_actions;
};

} // namespace tilvane

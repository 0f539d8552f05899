#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;

namespace tilvane {

class ReciterListModel;

// The reciter part of the Audio Player tab: a chooser of the installed reciters and the
// button that opens the install dialog. When the configured reciter is not installed it says
// so, so that a new user sees why Play stays silent and what to do.
class ReciterPanel : public QWidget {
    Q_OBJECT
public:
    explicit ReciterPanel(QWidget* parent = nullptr);

    // Lists the reciters installed now and marks AppSet.Reciter, without raising a change.
    void refresh();
    // The list the chooser shows, shared with the settings' reciter manager.
    ReciterListModel* reciters() const { return m_reciters; }

    QComboBox* cbReciter = nullptr;
    QLabel* lblNoRecitation = nullptr;
    QPushButton* btnInstallReciter = nullptr;

signals:
    // The user chose another installed reciter.
    void reciterChosen(const QString& name);
    void installRequested();

private:
    void showReciterState();

    ReciterListModel* m_reciters;
};

} // namespace tilvane

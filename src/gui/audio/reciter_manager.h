#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QTreeView;

namespace tilvane {

class ReciterListModel;

// The reciters installed, with their sizes and aya counts: Install… and Remove act at once,
// "Play this reciter" marks the one to play, which its owner applies (chosenReciter()).
class ReciterManager : public QWidget {
    Q_OBJECT
public:
    explicit ReciterManager(ReciterListModel* model, QWidget* parent = nullptr);

    QString chosenReciter() const { return m_chosen; }

    QTreeView* lvReciters = nullptr;
    QPushButton* btnInstall = nullptr;
    QPushButton* btnRemove = nullptr;
    QPushButton* btnPlayThis = nullptr;
    QLabel* lblPlaying = nullptr;

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();
    void updateButtons();
    void installClick();
    void removeClick();
    void playThisClick();
    void reciterInstalled(const QString& name);
    QString selectedReciter() const;

    ReciterListModel* m_model;
    QString m_chosen;
};

} // namespace tilvane

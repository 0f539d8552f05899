#pragma once

#include "core/quran/quran_pos.h"

#include <QDialog>

#include <memory>
#include <vector>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace tilvane {

class ReciterInstallJob;

// Installs a reciter from a web address, a folder or a ZIP/7z file into the recitation
// folder, for some suras or all, showing files done/total, bytes and speed. Cancel stops
// the install and keeps what is complete; closing the dialog cancels too.
class ReciterInstallDialog : public QDialog {
    Q_OBJECT
public:
    explicit ReciterInstallDialog(QWidget* parent = nullptr);
    ~ReciterInstallDialog() override;

    bool isInstalling() const { return m_job != nullptr; }

    QLineEdit* edtSource = nullptr;
    QPushButton* btnSourceFolder = nullptr;
    QPushButton* btnSourceFile = nullptr;
    QLineEdit* edtName = nullptr;
    QLineEdit* edtSuras = nullptr;
    QProgressBar* progInstall = nullptr;
    QLabel* lblInstallStatus = nullptr;
    QPushButton* btnInstall = nullptr;
    QPushButton* btnClose = nullptr;

signals:
    // An install ended with the reciter's description written: it can be chosen now.
    void reciterInstalled(const QString& name);

public slots:
    void reject() override;

private:
    void btnInstallClick();
    void btnCloseClick();
    void chooseFolder();
    void chooseFile();
    void showProgress();
    void installFinished();
    void setInputsEnabled(bool enabled);
    QString reciterName() const;

    std::unique_ptr<ReciterInstallJob> m_job;
    std::vector<TQuranPos> m_ayat;
};

} // namespace tilvane

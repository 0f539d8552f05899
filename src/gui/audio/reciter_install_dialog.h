#pragma once

#include "core/quran/quran_pos.h"

#include <QDialog>

#include <cstdint>
#include <memory>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace tilvane {

class ReciterCatalogueList;
class ReciterInstallJob;
class SourceProbe;
struct CatalogueEntry;

// Installs a reciter chosen from the catalogue of public recitations, or from any web
// address, folder or ZIP/7z file, into the recitation folder: the whole Quran, some suras or
// some juz, with its approximate size shown before it starts. A web source is asked for its
// first aya before thousands of files are fetched. Shows files done/total, bytes and speed;
// Cancel stops the install and keeps what is complete; closing the dialog cancels too.
class ReciterInstallDialog : public QDialog {
    Q_OBJECT
public:
    enum class Scope { WholeQuran, Suras, Juz };

    explicit ReciterInstallDialog(QWidget* parent = nullptr);
    ~ReciterInstallDialog() override;

    // Checking the source or installing.
    bool isInstalling() const { return m_job != nullptr; }

    ReciterCatalogueList* lstCatalogue = nullptr;
    QLineEdit* edtSource = nullptr;
    QPushButton* btnSourceFolder = nullptr;
    QPushButton* btnSourceFile = nullptr;
    QLineEdit* edtName = nullptr;
    QComboBox* cbScope = nullptr;
    QLineEdit* edtSuras = nullptr; // the suras or juz of the scope
    QLabel* lblSize = nullptr;
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
    void catalogueEntryChosen(const CatalogueEntry& entry);
    void sourceEdited();
    void btnInstallClick();
    void sourceChecked(const QString& problem);
    void stopSourceCheck(const QString& status);
    void startInstall();
    void btnCloseClick();
    void chooseFolder();
    void chooseFile();
    void showProgress();
    void installFinished();
    void setInputsEnabled(bool enabled);
    void showSize();
    Scope scope() const;
    // Throws TilvaneError naming what in the range is not a sura or juz number.
    std::vector<TQuranPos> chosenAyat() const;
    QString reciterName() const;

    std::unique_ptr<ReciterInstallJob> m_job;
    SourceProbe* m_probe;
    std::vector<TQuranPos> m_ayat;
    QString m_catalogueUrl;                // the address the chosen catalogue entry filled in
    std::uint64_t m_wholeQuranBytes = 0; // its size; 0 when the source is not from the catalogue
};

} // namespace tilvane

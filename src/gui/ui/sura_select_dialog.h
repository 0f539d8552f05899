#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class QTableWidget;

namespace tilvane {

// Lists the 114 suras and finds one by part of its name. Created once and reused, so the
// search text and the selected row persist between openings.
class TDlgSrchSura : public QDialog {
    Q_OBJECT
public:
    explicit TDlgSrchSura(QWidget* owner = nullptr);

    // The sura number in the "Idx" cell of the selected row; row 0 is selected when filled.
    int selectedSura() const;

    QLineEdit* edSearch = nullptr;
    QPushButton* btnSearch = nullptr;
    QTableWidget* ngQuranIdx = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void fitColumnsToContents();
    bool searchName();
    void edSearchChange();
    void btnSearchClick();
    void btnOKClick();
};

} // namespace tilvane

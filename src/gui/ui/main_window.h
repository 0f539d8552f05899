#pragma once

#include <QMainWindow>

namespace tilvane {

// The reader's only working window. FormShow does the start-up loading on the first show;
// FormClose saves the settings as the window closes.
class TfmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TfmMain(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void FormClose();

    bool FFirstShowDone = false;
};

} // namespace tilvane

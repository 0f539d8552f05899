#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class QAction;
class QMenu;
class QPrinter;
class QProgressBar;
class QStatusBar;
class QWebEngineView;
class QWidget;

namespace tilvane {

// Prints the page the window shows, or saves it as PDF, one job at a time. Owned by the
// window; shownView names the view in front when a command runs. While a job runs a busy
// bar shows in the status bar and both commands are disabled.
class PagePrinter : public QObject {
    Q_OBJECT
public:
    // pageName gives the file name Save as PDF suggests, without ".pdf".
    PagePrinter(QWidget* window, QStatusBar* statusBar, std::function<QWebEngineView*()> shownView,
                 std::function<QString()> pageName);
    ~PagePrinter() override;

    QAction* actPrint = nullptr;     // "Print…", Ctrl+P
    QAction* actSaveAsPdf = nullptr; // "Save as PDF…"

    void actPrintExecute();
    void actSaveAsPdfExecute();
    // Writes the shown page to fileName; the end is reported by pdfFinished.
    void savePdfTo(const QString& fileName);
    // Prints the shown page on a printer already set up; the end is reported by printFinished.
    void printOn(std::unique_ptr<QPrinter> printer);
    bool isBusy() const { return m_busy; }

signals:
    void pdfFinished(bool ok);
    void printFinished(bool ok);

private:
    void setBusy(bool busy, const QString& status);
    QString suggestedPdfName() const;

    QPointer<QWidget> m_window;
    QPointer<QStatusBar> m_statusBar;
    std::function<QWebEngineView*()> m_shownView;
    std::function<QString()> m_pageName;
    QPointer<QProgressBar> m_progress;
    std::unique_ptr<QPrinter> m_printer;
    bool m_busy = false;
};

// Puts the two commands into the page's context menu and the window's menu, each before the
// given action, followed by a separator.
void addPrintActionsToMenus(PagePrinter& printer, QMenu* pageMenu, QMenu* windowMenu, QAction* beforeInPage,
                            QAction* beforeInWindow);

} // namespace tilvane

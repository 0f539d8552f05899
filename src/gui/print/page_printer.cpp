#include "gui/print/page_printer.h"

#include "gui/app/error_handler.h"
#include "gui/app/saved_file_notice.h"
#include "gui/i18n/live_text.h"
#include "gui/print/pdf_writer.h"
#include "gui/print/running_header.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QPrintDialog>
#include <QPointer>
#include <QPrinter>
#include <QWebEnginePage>
#include <QProgressBar>
#include <QStandardPaths>
#include <QStatusBar>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace tilvane {

namespace {

constexpr int kStatusMillis = 5000;

// caption and tip are marked with QT_TRANSLATE_NOOP in PagePrinter and follow the interface
// language.
QAction* makePrintAction(QWidget* window, const char* name, const char* caption, const char* tip)
{
    auto* action = new QAction(window);
    action->setObjectName(name);
    keepTranslated(action, [action, caption, tip] {
        action->setText(PagePrinter::tr(caption));
        action->setToolTip(PagePrinter::tr(tip));
        action->setStatusTip(PagePrinter::tr(tip));
    });
    window->addAction(action); // the shortcut works wherever the focus is in the window
    return action;
}

} // namespace

void addPrintActionsToMenus(PagePrinter& printer, QMenu* pageMenu, QMenu* windowMenu, QAction* beforeInPage,
                            QAction* beforeInWindow)
{
    pageMenu->insertActions(beforeInPage, {printer.actPrint, printer.actSaveAsPdf});
    pageMenu->insertSeparator(beforeInPage);
    windowMenu->insertActions(beforeInWindow, {printer.actPrint, printer.actSaveAsPdf});
    windowMenu->insertSeparator(beforeInWindow);
}

PagePrinter::PagePrinter(QWidget* window, QStatusBar* statusBar, std::function<QWebEngineView*()> shownView,
                           std::function<QString()> pageName)
    : QObject(window)
    , m_window(window)
    , m_statusBar(statusBar)
    , m_shownView(std::move(shownView))
    , m_pageName(std::move(pageName))
{
    actPrint = makePrintAction(window, "actPrint", QT_TR_NOOP("Print…"), QT_TR_NOOP("Print the shown page"));
    actPrint->setShortcut(QKeySequence::Print);
    actSaveAsPdf = makePrintAction(window, "actSaveAsPdf", QT_TR_NOOP("Save as PDF…"),
                                   QT_TR_NOOP("Save the shown page as a PDF file"));
    connect(actPrint, &QAction::triggered, this, guarded([this] { actPrintExecute(); }));
    connect(actSaveAsPdf, &QAction::triggered, this, guarded([this] { actSaveAsPdfExecute(); }));

    m_progress = new QProgressBar(statusBar);
    m_progress->setObjectName("progPrint");
    m_progress->setRange(0, 0); // the engine reports no progress: a busy bar
    m_progress->setFixedSize(80, 9);
    m_progress->setTextVisible(false);
    statusBar->addPermanentWidget(m_progress);
    m_progress->hide();
}

PagePrinter::~PagePrinter() = default;

void PagePrinter::setBusy(bool busy, const QString& status)
{
    m_busy = busy;
    actPrint->setEnabled(!busy);
    actSaveAsPdf->setEnabled(!busy);
    if (m_progress)
        m_progress->setVisible(busy);
    if (m_statusBar)
        m_statusBar->showMessage(status, busy ? 0 : kStatusMillis);
}

QString PagePrinter::suggestedPdfName() const
{
    QString name = m_pageName().trimmed();
    name.replace('/', '-');
    if (name.isEmpty())
        name = QStringLiteral("Tilvane");
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(folder.isEmpty() ? QDir::homePath() : folder).filePath(name + ".pdf");
}

void PagePrinter::actSaveAsPdfExecute()
{
    if (m_busy || m_shownView() == nullptr)
        return;
    const QString fileName = QFileDialog::getSaveFileName(m_window, tr("Save as PDF"),
                                                          suggestedPdfName(), tr("PDF files (*.pdf)"));
    if (!fileName.isEmpty())
        savePdfTo(fileName.endsWith(".pdf", Qt::CaseInsensitive) ? fileName : fileName + ".pdf");
}

void PagePrinter::savePdfTo(const QString& fileName)
{
    QWebEngineView* view = m_shownView();
    if (m_busy || view == nullptr)
        return;
    setBusy(true, tr("Writing %1…").arg(fileName));
    QPointer<QWebEnginePage> page = view->page();
    addRunningHeaders(page, m_pageName(), defaultPageLayout(), [this, page, fileName](int) {
        if (page)
            writePagePdf(page, fileName, [this, page, fileName](const QString& error) {
                if (page)
                    removeRunningHeaders(page);
                pdfWritten(fileName, error);
            });
    });
}

void PagePrinter::pdfWritten(const QString& fileName, const QString& error)
{
    setBusy(false, error.isEmpty() ? tr("Saved %1").arg(fileName) : QString());
    if (error.isEmpty() && m_window && m_window->isVisible())
        showSavedFileNotice(m_window, tr("Save as PDF"), fileName);
    // A window closed meanwhile takes its page with it; there is no one left to tell.
    if (!error.isEmpty() && m_window && m_window->isVisible())
        reportError(error);
    emit pdfFinished(error.isEmpty());
}

void PagePrinter::actPrintExecute()
{
    if (m_busy || m_shownView() == nullptr)
        return;
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setPageLayout(defaultPageLayout());
    QPrintDialog dialog(printer.get(), m_window);
    if (dialog.exec() == QDialog::Accepted)
        printOn(std::move(printer));
}

void PagePrinter::printOn(std::unique_ptr<QPrinter> printer)
{
    QWebEngineView* view = m_shownView();
    if (m_busy || view == nullptr)
        return;
    // The view keeps using the printer until it reports the end.
    m_printer = std::move(printer);
    setBusy(true, tr("Printing…"));
    connect(view, &QWebEngineView::printFinished, this, [this, view](bool ok) {
        removeRunningHeaders(view->page());
        setBusy(false, ok ? tr("Printed") : QString());
        if (!ok)
            reportError(tr("The page could not be printed."));
        emit printFinished(ok);
    }, Qt::SingleShotConnection);
    view->page()->settings()->setAttribute(QWebEngineSettings::PrintElementBackgrounds, true);
    useScreenStylesForPrint(view->page(), [view = QPointer<QWebEngineView>(view), this](bool) {
        if (view)
            addRunningHeaders(view->page(), m_pageName(), m_printer->pageLayout(), [view, this](int) {
                if (view)
                    view->print(m_printer.get());
            });
    });
}

} // namespace tilvane

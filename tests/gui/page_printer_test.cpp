#include "gui/print/page_printer.h"

#include "gui/support/app_folder.h"
#include "gui/support/gui_app.h"
#include "gui/support/page_wait.h"
#include "gui/support/reader_window.h"
#include "gui/ui/main_window.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QPrinter>
#include <QSignalSpy>

#include <filesystem>

using namespace tilvane;
using namespace tilvane::test;

namespace fs = std::filesystem;

TEST(PagePrinter, SavesTheShownSuraAsPdfAndNamesTheFileItCannotWrite)
{
    TestAppFolder app;
    ErrorCapture errors;
    const std::unique_ptr<TfmMain> window = showReaderAt(app, 1, 1);
    ASSERT_NE(window, nullptr);
    PagePrinter& printer = *window->pagePrinter();
    EXPECT_EQ(printer.actPrint->shortcut(), QKeySequence(QKeySequence::Print));
    for (QMenu* menu : {window->ui().pmBrow, window->ui().pmSetting}) {
        EXPECT_TRUE(menu->actions().contains(printer.actPrint)) << menu->objectName().toStdString();
        EXPECT_TRUE(menu->actions().contains(printer.actSaveAsPdf)) << menu->objectName().toStdString();
    }

    const struct {
        const char* file;
        bool ok;
    } cases[] = {{"out/Al-Fatihah.pdf", true}, {"missing-folder/x.pdf", false}};
    TempFolder folder;
    fs::create_directories(folder / "out");
    for (const auto& c : cases) {
        const fs::path pdf = folder / c.file;
        QSignalSpy finished(&printer, &PagePrinter::pdfFinished);
        printer.savePdfTo(QString::fromStdString(pdf.string()));
        EXPECT_TRUE(printer.isBusy());
        EXPECT_FALSE(printer.actSaveAsPdf->isEnabled());
        ASSERT_TRUE(waitFor([&] { return !finished.isEmpty(); })) << c.file;
        EXPECT_EQ(finished.first().first().toBool(), c.ok) << c.file;
        EXPECT_TRUE(printer.actSaveAsPdf->isEnabled());
        if (c.ok) {
            EXPECT_EQ(readFile(pdf).substr(0, 5), "%PDF-");
            // Only the final name is left: the temporary file was renamed onto it.
            EXPECT_EQ(std::distance(fs::directory_iterator(pdf.parent_path()), fs::directory_iterator()), 1);
        } else {
            EXPECT_FALSE(fs::exists(pdf));
            ASSERT_EQ(errors.messages().size(), 1);
            EXPECT_TRUE(errors.messages()[0].contains(QString::fromStdString(pdf.string()))) << errors.messages()[0].toStdString();
        }
    }
}

TEST(PagePrinter, PrintsTheShownSuraOnThePrinterChosen)
{
    TestAppFolder app;
    const std::unique_ptr<TfmMain> window = showReaderAt(app, 1, 1);
    ASSERT_NE(window, nullptr);
    TempFolder folder;
    auto printer = std::make_unique<QPrinter>();
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QString::fromStdString((folder / "printed.pdf").string()));
    QSignalSpy finished(window->pagePrinter(), &PagePrinter::printFinished);
    window->pagePrinter()->printOn(std::move(printer));
    ASSERT_TRUE(waitFor([&] { return !finished.isEmpty(); }));
    EXPECT_TRUE(finished.first().first().toBool());
    EXPECT_EQ(readFile(folder / "printed.pdf").substr(0, 5), "%PDF-");
}

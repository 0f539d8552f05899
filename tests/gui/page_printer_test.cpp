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
#include <QPdfDocument>
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

// A long sura prints with a header on every sheet: the sura's name and the sheet's number.
TEST(PagePrinter, EverySheetOfALongSuraCarriesTheSuraNameAndItsNumber)
{
    TestAppFolder app;
    ErrorCapture errors;
    const std::unique_ptr<TfmMain> window = showReaderAt(app, 36, 1);
    ASSERT_NE(window, nullptr);
    TempFolder folder;
    const fs::path pdf = folder / "yaasiin.pdf";
    QSignalSpy finished(window->pagePrinter(), &PagePrinter::pdfFinished);
    window->pagePrinter()->savePdfTo(QString::fromStdString(pdf.string()));
    ASSERT_TRUE(waitFor([&] { return !finished.isEmpty(); }));
    ASSERT_TRUE(finished.first().first().toBool());

    QPdfDocument document;
    ASSERT_EQ(document.load(QString::fromStdString(pdf.string())), QPdfDocument::Error::None);
    ASSERT_GT(document.pageCount(), 2);
    for (int sheet = 0; sheet < document.pageCount(); ++sheet) {
        const QString text = document.getAllText(sheet).text();
        EXPECT_TRUE(text.contains(QStringLiteral("036. Yaasiin \u00B7 %1").arg(sheet + 1))) << "sheet " << sheet + 1
            << ": " << text.left(80).toStdString();
    }
    // The page shown is as it was.
    EXPECT_EQ(evaluate(window->ui().wbQuran, "document.querySelectorAll('.tilvaneRunningHeader').length").toInt(), 0);
}

#pragma once

#include "reader_setup.h"

#include <QSize>
#include <QString>

#include <functional>
#include <memory>
#include <string>

namespace tilvane {
class TfmMain;
}

namespace tilvane::bench {

// The reader's main window in this process, on the default data beside the executable with
// a settings file of its own in `scratch`, shown at sura 1 with the built-in translations.
// Errors the window reports end the benchmark.
class ReaderSession {
public:
    explicit ReaderSession(const std::string& scratch);
    ~ReaderSession();

    // Selects the translations as the settings dialog's Apply does; the next page built uses them.
    void useTranslations(TranslationSet set);
    // Goes to aya 1 of another sura through the Go command and waits until it is focused.
    void gotoSura(int sura);
    // The Next Aya command, waited for until focused.
    void nextAya();

    int shownSura() const;
    QString shownPageFile() const;
    QSize viewSize() const;

private:
    void runAndWaitForFocus(const std::function<void()>& command);

    std::unique_ptr<TfmMain> m_window;
};

} // namespace tilvane::bench

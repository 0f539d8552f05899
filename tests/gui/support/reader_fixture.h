#pragma once

#include "support/temp_folder.h"

#include <QString>
#include <QVariant>

#include <functional>
#include <ostream>
#include <string>

class QWebEngineView;

// Readable QStrings in test failure messages.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace tilvane::test {

// An application folder of the test's own whose res/ is the default data of the build, with
// the working folders initialised for it and the settings at their defaults.
class ReaderAppFolder {
public:
    ReaderAppFolder();
    std::string dir() const { return m_folder.dir(); }
    std::string iniFile() const { return m_folder.dir() + "Tilvane.ini"; }

private:
    TempFolder m_folder;
};

// Polls the event loop until condition holds or the (generous) deadline passes.
bool waitFor(const std::function<bool()>& condition, int timeoutMs = 60000);

// Runs script in the view's page and waits for its result.
QVariant evaluate(QWebEngineView* view, const QString& script);

} // namespace tilvane::test

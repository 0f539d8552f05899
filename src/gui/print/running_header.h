#pragma once

#include <QString>

#include <functional>

class QPageLayout;
class QWebEnginePage;

namespace tilvane {

// The engine prints no header of its own, so before a print the page is cut into sheets by
// the reader: ayat are grouped so that each group fits one sheet of layout, and each group
// gets a header line (title and sheet number) and starts a new sheet. An aya taller than a
// sheet runs on over the next sheets, which are counted but get no header. Only the DOM of
// the page shown changes, never its file; removeRunningHeaders puts it back.
// done(sheets) reports the number of sheets, 0 when the script failed.
void addRunningHeaders(QWebEnginePage* page, const QString& title, const QPageLayout& layout,
                       std::function<void(int sheets)> done);
void removeRunningHeaders(QWebEnginePage* page);

} // namespace tilvane

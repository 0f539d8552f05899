#pragma once

#include <QString>

class QWidget;

namespace tilvane {

// The user's Documents folder (XDG), or the home folder where there is none.
QString documentsFolder();

// Says where a file was written, with a button that opens its folder. Not modal: nothing waits
// for it, and the reader goes on while it shows.
void showSavedFileNotice(QWidget* parent, const QString& title, const QString& file);

} // namespace tilvane

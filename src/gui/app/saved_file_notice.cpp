#include "gui/app/saved_file_notice.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>

namespace tilvane {

QString documentsFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return folder.isEmpty() ? QDir::homePath() : folder;
}

void showSavedFileNotice(QWidget* parent, const QString& title, const QString& file)
{
    const QFileInfo info(file);
    auto* notice = new QMessageBox(QMessageBox::Information, title,
                                   QCoreApplication::translate("SavedFileNotice", "Saved %1 in %2").arg(info.fileName(), QDir::toNativeSeparators(info.absolutePath())),
                                   QMessageBox::Close, parent);
    notice->setObjectName("savedFileNotice");
    notice->setAttribute(Qt::WA_DeleteOnClose);
    notice->setModal(false);
    QPushButton* open = notice->addButton(QCoreApplication::translate("SavedFileNotice", "Open Folder"), QMessageBox::ActionRole);
    QObject::connect(open, &QPushButton::clicked, notice, [folder = info.absolutePath()] {
        QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
    });
    notice->show();
}

} // namespace tilvane

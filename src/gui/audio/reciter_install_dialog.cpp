#include "gui/audio/reciter_install_dialog.h"

#include "core/base/errors.h"
#include "core/audio/install_result.h"
#include "core/audio/reciter_layout.h"
#include "core/audio/install_selection.h"
#include "core/audio/recitation_size.h"
#include "core/audio/reciter_source.h"
#include "download/reciter_install_job.h"
#include "download/source_probe.h"
#include "gui/app/qt_text.h"
#include "gui/audio/byte_size_text.h"
#include "gui/audio/reciter_catalogue_list.h"
#include "gui/i18n/live_text.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QUrl>
#include <QVBoxLayout>

namespace tilvane {

namespace {

constexpr std::size_t kFailuresListed = 5;

// Declared ahead for lupdate: without a declaration before it, lupdate files the tr() calls of
// the function below under another context than the dialog's, and they lose their translations.
QString megabytes(double bytes);

// "N of M files installed; K failed", with the first failures named on lines of their own.
QString resultText(const InstallResult& result)
{
    QString text = result.cancelled ? ReciterInstallDialog::tr("Cancelled: ") : QString();
    text += ReciterInstallDialog::tr("%1 of %2 files installed; %3 failed.")
                .arg(result.inPlace)
                .arg(result.requested)
                .arg(result.failures.size());
    for (std::size_t index = 0; index < std::min(result.failures.size(), kFailuresListed); ++index)
        text += "\n" + toQString(result.failures[index]);
    if (result.failures.size() > kFailuresListed)
        text += "\n" + ReciterInstallDialog::tr("and %1 more").arg(result.failures.size() - kFailuresListed);
    return text;
}

QString megabytes(double bytes)
{
    return ReciterInstallDialog::tr("%1 MB").arg(QString::number(bytes / 1e6, 'f', 1));
}

} // namespace

ReciterInstallDialog::ReciterInstallDialog(QWidget* parent)
    : QDialog(parent)
    , m_probe(new SourceProbe(this))
{
    setObjectName("DlgInstallReciter");
    keepTranslated(this, [this] { setWindowTitle(tr("Install Recitation")); });
    auto* layout = new QVBoxLayout(this);
    auto* catalogueLabel = new QLabel(this);
    keepTranslatedText(catalogueLabel, [] { return tr("&Recitations to choose from:"); });
    lstCatalogue = new ReciterCatalogueList(this);
    catalogueLabel->setBuddy(lstCatalogue);
    layout->addWidget(catalogueLabel);
    layout->addWidget(lstCatalogue, 1);

    auto* form = new QFormLayout;
    edtSource = new QLineEdit(this);
    edtSource->setObjectName("edtSource");
    keepTranslated(edtSource, [this] {
        edtSource->setPlaceholderText(tr("https://\u2026/ holding 001001.mp3 \u2026, a folder, or a ZIP/7z file"));
    });
    edtSource->setMinimumWidth(360);
    btnSourceFolder = new QPushButton(this);
    keepTranslatedText(btnSourceFolder, [] { return tr("F&older\u2026"); });
    btnSourceFile = new QPushButton(this);
    keepTranslatedText(btnSourceFile, [] { return tr("&File\u2026"); });
    auto* source = new QHBoxLayout;
    source->addWidget(edtSource, 1);
    source->addWidget(btnSourceFolder);
    source->addWidget(btnSourceFile);
    edtName = new QLineEdit(this);
    edtName->setObjectName("edtName");
    keepTranslated(edtName, [this] { edtName->setPlaceholderText(tr("a folder name, e.g. my_reciter_64kbps")); });
    cbScope = new QComboBox(this);
    cbScope->setObjectName("cbScope");
    keepTranslated(cbScope, [this] {
        const QSignalBlocker blocker(cbScope);
        const int current = std::max(0, cbScope->currentIndex());
        cbScope->clear();
        cbScope->addItem(tr("Whole Quran"), static_cast<int>(Scope::WholeQuran));
        cbScope->addItem(tr("Suras"), static_cast<int>(Scope::Suras));
        cbScope->addItem(tr("Juz"), static_cast<int>(Scope::Juz));
        cbScope->setCurrentIndex(current);
    });
    edtSuras = new QLineEdit(this);
    edtSuras->setObjectName("edtSuras");
    edtSuras->setEnabled(false);
    keepTranslated(edtSuras, [this] { edtSuras->setPlaceholderText(tr("e.g. 1,78-114")); });
    auto* scopeRow = new QHBoxLayout;
    scopeRow->addWidget(cbScope);
    scopeRow->addWidget(edtSuras, 1);
    lblSize = new QLabel(this);
    lblSize->setObjectName("lblSize");
    const auto rowLabel = [this](const char* text, QWidget* buddy) {
        auto* label = new QLabel(this);
        keepTranslatedText(label, [text] { return tr(text); });
        label->setBuddy(buddy);
        return label;
    };
    form->addRow(rowLabel(QT_TR_NOOP("&Source:"), edtSource), source);
    form->addRow(rowLabel(QT_TR_NOOP("&Name:"), edtName), edtName);
    form->addRow(rowLabel(QT_TR_NOOP("&Install:"), cbScope), scopeRow);
    form->addRow(QString(), lblSize);
    layout->addLayout(form);

    progInstall = new QProgressBar(this);
    progInstall->setObjectName("progInstall");
    progInstall->setRange(0, 1);
    progInstall->setValue(0);
    lblInstallStatus = new QLabel(this);
    lblInstallStatus->setObjectName("lblInstallStatus");
    lblInstallStatus->setWordWrap(true);
    lblInstallStatus->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(progInstall);
    layout->addWidget(lblInstallStatus);

    btnInstall = new QPushButton(this);
    keepTranslatedText(btnInstall, [] { return tr("&Install"); });
    btnInstall->setDefault(true);
    btnClose = new QPushButton(this);
    keepTranslatedText(btnClose, [this] { return isInstalling() ? tr("Cancel") : tr("Close"); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnInstall);
    buttons->addWidget(btnClose);
    layout->addLayout(buttons);
    keepTranslated(lblSize, [this] { showSize(); });

    connect(lstCatalogue, &ReciterCatalogueList::entryChosen, this, &ReciterInstallDialog::catalogueEntryChosen);
    connect(edtSource, &QLineEdit::textChanged, this, &ReciterInstallDialog::sourceEdited);
    connect(cbScope, &QComboBox::currentIndexChanged, this, [this] {
        edtSuras->setEnabled(scope() != Scope::WholeQuran);
        showSize();
    });
    connect(edtSuras, &QLineEdit::textChanged, this, &ReciterInstallDialog::showSize);
    connect(btnInstall, &QPushButton::clicked, this, &ReciterInstallDialog::btnInstallClick);
    connect(btnClose, &QPushButton::clicked, this, &ReciterInstallDialog::btnCloseClick);
    connect(btnSourceFolder, &QPushButton::clicked, this, &ReciterInstallDialog::chooseFolder);
    connect(btnSourceFile, &QPushButton::clicked, this, &ReciterInstallDialog::chooseFile);
    connect(m_probe, &SourceProbe::finished, this, &ReciterInstallDialog::sourceChecked);
}

ReciterInstallDialog::~ReciterInstallDialog() = default;

void ReciterInstallDialog::chooseFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(this, tr("Folder with the recitation's MP3 files"));
    if (!folder.isEmpty())
        edtSource->setText(folder);
}

void ReciterInstallDialog::chooseFile()
{
    const QString file = QFileDialog::getOpenFileName(this, tr("Archive with the recitation's MP3 files"), {},
                                                      tr("Archives (*.zip *.7z);;All files (*)"));
    if (!file.isEmpty())
        edtSource->setText(file);
}

// Without a name given, the source's last part names the reciter: ".../husary_64kbps/"
// or "husary_64kbps.zip" gives "husary_64kbps".
QString ReciterInstallDialog::reciterName() const
{
    const QString given = edtName->text().trimmed();
    if (!given.isEmpty())
        return given;
    QString source = edtSource->text().trimmed();
    while (source.endsWith('/'))
        source.chop(1);
    const QString last = source.startsWith("http") ? QUrl(source).fileName() : QFileInfo(source).fileName();
    return QFileInfo(last).completeBaseName();
}

// The address stays editable: a mirror of the same files keeps the entry's size.
void ReciterInstallDialog::catalogueEntryChosen(const CatalogueEntry& entry)
{
    m_catalogueUrl = toQString(entry.url);
    edtSource->setText(m_catalogueUrl);
    edtName->setText(toQString(entry.name));
    m_wholeQuranBytes = entry.approximateBytes;
    showSize();
}

// A source typed by hand or chosen on the disk is not the catalogue's: its size is unknown.
void ReciterInstallDialog::sourceEdited()
{
    if (!m_catalogueUrl.isEmpty() && edtSource->text().trimmed() != m_catalogueUrl) {
        m_catalogueUrl.clear();
        m_wholeQuranBytes = 0;
        showSize();
    }
}

ReciterInstallDialog::Scope ReciterInstallDialog::scope() const
{
    return static_cast<Scope>(cbScope->currentData().toInt());
}

std::vector<TQuranPos> ReciterInstallDialog::chosenAyat() const
{
    const std::string range = edtSuras->text().toStdString();
    switch (scope()) {
    case Scope::Suras:
        return ayatOfSuras(parseSuraSelection(range));
    case Scope::Juz:
        return ayatOfJuzs(parseJuzSelection(range));
    case Scope::WholeQuran:
        break;
    }
    return ayatOfSuras(parseSuraSelection("1-114"));
}

void ReciterInstallDialog::showSize()
{
    std::vector<TQuranPos> ayat;
    try {
        ayat = chosenAyat();
    } catch (const TilvaneError&) {
        lblSize->setText(scope() == Scope::Juz ? tr("Type juz numbers (1-30), e.g. 30 or 1-3.")
                                               : tr("Type sura numbers (1-114), e.g. 1,78-114."));
        return;
    }
    const QString count = tr("%n ayat", nullptr, static_cast<int>(ayat.size()));
    if (m_wholeQuranBytes == 0)
        lblSize->setText(tr("%1; the size is known once installed.").arg(count));
    else
        lblSize->setText(tr("%1, %2.").arg(count, approximateSizeText(estimatedRecitationBytes(m_wholeQuranBytes, ayat))));
}

void ReciterInstallDialog::btnInstallClick()
{
    const QString name = reciterName();
    try {
        m_ayat = chosenAyat();
        m_job = std::make_unique<ReciterInstallJob>(name, edtSource->text().trimmed(), m_ayat);
    } catch (const TilvaneError& error) {
        lblInstallStatus->setText(toQString(error.what()));
        return;
    }
    edtName->setText(name);
    setInputsEnabled(false);
    btnClose->setText(tr("Cancel"));
    progInstall->setRange(0, 1);
    progInstall->setValue(0);
    if (classifyReciterSource(edtSource->text().trimmed().toStdString()) != ReciterSourceKind::Web) {
        startInstall();
        return;
    }
    const QUrl folder(edtSource->text().trimmed());
    lblInstallStatus->setText(tr("Asking %1 for the first aya\u2026").arg(SourceProbe::firstAyaUrl(folder).toString()));
    m_probe->start(folder);
}

void ReciterInstallDialog::sourceChecked(const QString& problem)
{
    if (!m_job)
        return;
    if (problem.isEmpty()) {
        startInstall();
        return;
    }
    const QUrl first = SourceProbe::firstAyaUrl(QUrl(edtSource->text().trimmed()));
    stopSourceCheck(tr("The source does not answer with a recitation: %1 gave \"%2\". Nothing was "
                       "installed. Check the address, or choose another source.")
                        .arg(first.toString(), problem));
}

void ReciterInstallDialog::stopSourceCheck(const QString& status)
{
    m_probe->cancel();
    m_job.reset();
    lblInstallStatus->setText(status);
    setInputsEnabled(true);
    btnClose->setText(tr("Close"));
}

void ReciterInstallDialog::startInstall()
{
    connect(m_job.get(), &ReciterInstallJob::unpackingStarted, this,
            [this] { lblInstallStatus->setText(tr("Unpacking the archive\u2026")); });
    connect(m_job.get(), &ReciterInstallJob::progressChanged, this, &ReciterInstallDialog::showProgress);
    connect(m_job.get(), &ReciterInstallJob::finished, this, &ReciterInstallDialog::installFinished);
    m_job->start();
}

void ReciterInstallDialog::showProgress()
{
    const InstallProgress& progress = m_job->progress();
    // Failed files never fill the bar: it is full only when every file arrived.
    progInstall->setRange(0, std::max(1, progress.total));
    progInstall->setValue(progress.done - progress.failed);
    lblInstallStatus->setText(tr("%1/%2 files, %3, %4/s")
                                  .arg(progress.done)
                                  .arg(progress.total)
                                  .arg(megabytes(static_cast<double>(progress.bytes)))
                                  .arg(megabytes(m_job->bytesPerSecond())));
}

void ReciterInstallDialog::installFinished()
{
    showProgress();
    // The job is still emitting: it goes once the event loop is back.
    ReciterInstallJob* job = m_job.release();
    job->deleteLater();
    const InstallResult result = installResult(job->folder().toStdString(), m_ayat, job->summary());
    progInstall->setRange(0, std::max(1, result.requested));
    progInstall->setValue(result.inPlace);
    lblInstallStatus->setText(resultText(result));
    setInputsEnabled(true);
    btnClose->setText(tr("Close"));
    const QString name = edtName->text();
    if (isReciterInstalled(name.toStdString()))
        emit reciterInstalled(name);
}

void ReciterInstallDialog::btnCloseClick()
{
    if (m_probe->running())
        stopSourceCheck(tr("Cancelled; nothing was installed."));
    else if (m_job)
        m_job->cancel();
    else
        accept();
}

void ReciterInstallDialog::reject()
{
    if (m_probe->running()) {
        stopSourceCheck(QString());
    } else if (m_job) {
        m_job->cancel();
    }
    QDialog::reject();
}

void ReciterInstallDialog::setInputsEnabled(bool enabled)
{
    for (QWidget* widget : std::initializer_list<QWidget*>{lstCatalogue, edtSource, btnSourceFolder, btnSourceFile,
                                                           edtName, cbScope, btnInstall})
        widget->setEnabled(enabled);
    edtSuras->setEnabled(enabled && scope() != Scope::WholeQuran);
}

} // namespace tilvane

#include "gui/audio/audio_player_tab.h"

#include "core/app/settings.h"
#include "core/audio/audio_files.h"
#include "core/audio/reciter_choice.h"
#include "core/audio/reciter_layout.h"
#include "core/reader/navigation.h"
#include "gui/app/error_handler.h"
#include "gui/app/hints.h"
#include "gui/app/qt_text.h"
#include "gui/audio/recitation_options_panel.h"
#include "gui/audio/reciter_install_dialog.h"
#include "gui/audio/reciter_panel.h"
#include "gui/i18n/live_text.h"
#include "gui/i18n/player_text.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QSlider>
#include <QStatusTipEvent>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tilvane {

namespace {

constexpr int kPlayTimerMs = 100;

template <typename Widget>
Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(name);
    return widget;
}

} // namespace

QIcon playerIcon(PlayerImage image)
{
    QStyle* style = QApplication::style();
    switch (image) {
    case kPlayImage: return style->standardIcon(QStyle::SP_MediaPlay);
    case kPauseImage: return style->standardIcon(QStyle::SP_MediaPause);
    case kSpeakerMutedImage: return style->standardIcon(QStyle::SP_MediaVolumeMuted);
    case kSpeakerOnImage: return style->standardIcon(QStyle::SP_MediaVolume);
    }
    return {};
}

AudioPlayerTab::AudioPlayerTab(Navigator& navigator, QWidget* parent)
    : QWidget(parent), m_navigator(navigator)
{
    setObjectName("panAudioPage");
    m_playTimer.setInterval(kPlayTimerMs);
    createControls();
    createKeys();
    connectControls();
}

AudioPlayerTab::~AudioPlayerTab() = default;

void AudioPlayerTab::createControls()
{
    auto* panAudio = new QVBoxLayout(this);
    panAudio->setContentsMargins(7, 7, 7, 7);

    // Centred in its parent by the stretches on both sides, whatever the tab's width.
    auto* panAudioPlay = named(new QWidget(this), "panAudioPlay");
    panAudioPlay->setFixedSize(132, 222);
    auto* play = new QVBoxLayout(panAudioPlay);
    play->setContentsMargins(0, 0, 0, 0);
    // The hints of the play and speaker buttons change with the player's state; the tab keeps
    // them in the interface language with the player's other words.
    auto toolButton = [panAudioPlay](const char* name, const QIcon& icon, const char* hint) {
        auto* button = named(new QToolButton(panAudioPlay), name);
        button->setIcon(icon);
        if (hint != nullptr)
            keepTranslated(button, [button, hint] { applyHint(button, playerText(hint)); });
        return button;
    };
    auto standard = [panAudioPlay](QStyle::StandardPixmap icon) { return panAudioPlay->style()->standardIcon(icon); };
    m_ui.btnPlayPause = toolButton("btnPlayPause", playerIcon(kPlayImage), nullptr);
    m_ui.btnPlayPause->setIconSize(QSize(22, 22));
    m_ui.btnPlayPause->setFixedSize(QSize(120, 34));
    m_ui.btnPlayPrevAya = toolButton("btnPlayPrevAya", standard(QStyle::SP_MediaSeekBackward), kPrevAyaHint);
    m_ui.btnStop = toolButton("btnStop", standard(QStyle::SP_MediaStop), kStopHint);
    m_ui.btnPlayNextAya = toolButton("btnPlayNextAya", standard(QStyle::SP_MediaSeekForward), kNextAyaHint);
    auto* row = new QHBoxLayout;
    row->addWidget(m_ui.btnPlayPrevAya);
    row->addWidget(m_ui.btnStop);
    row->addWidget(m_ui.btnPlayNextAya);
    m_ui.trbVolume = named(new QSlider(Qt::Vertical, panAudioPlay), "trbVolume");
    // The slider shows loudness, so its filled part grows with the volume; the tab turns it
    // into the player's slider position (0 at the top, the loudest).
    m_ui.trbVolume->setRange(0, 1000);
    m_ui.trbVolume->setSingleStep(10);
    m_ui.trbVolume->setPageStep(50);
    m_ui.trbVolume->setTickPosition(QSlider::TicksBothSides);
    m_ui.trbVolume->setTickInterval(500);
    m_ui.btnSpeaker = toolButton("btnSpeaker", playerIcon(kSpeakerOnImage), nullptr);
    play->addWidget(m_ui.btnPlayPause, 0, Qt::AlignHCenter);
    play->addLayout(row);
    play->addWidget(m_ui.trbVolume, 1, Qt::AlignHCenter);
    play->addWidget(m_ui.btnSpeaker, 0, Qt::AlignHCenter);
    auto* centred = new QHBoxLayout;
    centred->addStretch(1);
    centred->addWidget(panAudioPlay);
    centred->addStretch(1);
    panAudio->addLayout(centred);

    auto* info = named(new QWidget(this), "panAudioInfo");
    info->setAttribute(Qt::WA_StyledBackground);
    auto* infoLayout = new QGridLayout(info);
    infoLayout->setContentsMargins(4, 4, 4, 4);
    auto* reciterCaption = new QLabel(info);
    keepTranslatedText(reciterCaption, [] { return tr("Reciter:"); });
    QFont italic = reciterCaption->font();
    italic.setItalic(true);
    reciterCaption->setFont(italic);
    m_ui.lblReciter = named(new QLabel(info), "lblReciter");
    m_ui.lblAuPlayAya = named(new QLabel(info), "lblAuPlayAya");
    m_ui.lblAuStatus = named(new QLabel(info), "lblAuStatus");
    m_ui.lblAuStatus->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    infoLayout->addWidget(reciterCaption, 0, 0);
    infoLayout->addWidget(m_ui.lblReciter, 0, 1, 1, 2);
    infoLayout->addWidget(m_ui.lblAuPlayAya, 1, 0, 1, 2);
    infoLayout->addWidget(m_ui.lblAuStatus, 1, 2);
    panAudio->addWidget(info);
    m_ui.panReciter = new ReciterPanel(this);
    panAudio->addWidget(m_ui.panReciter);

    m_ui.progAudio = named(new QProgressBar(this), "progAudio");
    m_ui.progAudio->setFixedHeight(9);
    m_ui.progAudio->setRange(0, 1); // a 0..0 bar would show Qt's busy animation
    m_ui.progAudio->setTextVisible(false);
    panAudio->addWidget(m_ui.progAudio);
    m_ui.chkAudioContinue = named(new QCheckBox(this), "chkAudioContinue");
    keepTranslatedText(m_ui.chkAudioContinue, [] { return tr("Play Continuously"); });
    m_ui.chkAudioContinue->setChecked(true);
    panAudio->addWidget(m_ui.chkAudioContinue);
    m_ui.panRecitationOptions = new RecitationOptionsPanel(this);
    panAudio->addWidget(m_ui.panRecitationOptions);
    panAudio->addStretch(1);
}

void AudioPlayerTab::createKeys()
{
    // caption is marked with QT_TR_NOOP; hint is one of the player's words.
    auto key = [this](const char* name, const char* caption, const char* hint, const QList<QKeySequence>& shortcuts) {
        auto* action = new QAction(this);
        action->setObjectName(name);
        keepTranslated(action, [action, caption, hint] {
            action->setText(tr(caption));
            applyHint(action, playerText(hint));
        });
        action->setShortcuts(shortcuts);
        return action;
    };
    m_playPauseKey = key("actPlayPause", QT_TR_NOOP("Play/Pause"), kPlayPauseLayoutHint,
                         {QKeySequence(Qt::Key_F9), QKeySequence(Qt::Key_MediaTogglePlayPause),
                          QKeySequence(Qt::Key_MediaPlay), QKeySequence(Qt::Key_MediaPause)});
    m_stopKey = key("actPlayStop", QT_TR_NOOP("Stop"), kStopHint,
                    {QKeySequence(Qt::SHIFT | Qt::Key_F9), QKeySequence(Qt::Key_MediaStop)});
    m_nextAyaKey = key("actPlayNextAya", QT_TR_NOOP("Next Aya"), kNextAyaHint, {QKeySequence(Qt::Key_MediaNext)});
    m_prevAyaKey =
        key("actPlayPrevAya", QT_TR_NOOP("Previous Aya"), kPrevAyaHint, {QKeySequence(Qt::Key_MediaPrevious)});
}

void AudioPlayerTab::addKeysTo(QWidget* window)
{
    window->addActions(keys());
}

QList<QAction*> AudioPlayerTab::keys() const
{
    return {m_playPauseKey, m_stopKey, m_prevAyaKey, m_nextAyaKey};
}

void AudioPlayerTab::connectControls()
{
    keepTranslated(m_ui.lblAuStatus, [this] { retranslatePlayerWords(); });
    connect(&m_playTimer, &QTimer::timeout, this, guarded([this] { m_player.tmrPlayTimer(); }));
    // The device runs on into a queued file between ticks; the player moves the focus with it.
    m_device.setNoticeHandler(guarded([this] { m_player.mediaNotice(); }));
    connect(m_ui.btnPlayPause, &QToolButton::clicked, this, guarded([this] { m_player.btnPlayPauseClick(); }));
    connect(m_ui.btnStop, &QToolButton::clicked, this, guarded([this] { m_player.btnStopClick(); }));
    connect(m_ui.btnPlayPrevAya, &QToolButton::clicked, this, guarded([this] { m_player.btnPlayPrevAyaClick(); }));
    connect(m_ui.btnPlayNextAya, &QToolButton::clicked, this, guarded([this] { m_player.btnPlayNextAyaClick(); }));
    connect(m_ui.btnSpeaker, &QToolButton::clicked, this, guarded([this] { m_player.btnSpeakerClick(); }));
    connect(m_ui.trbVolume, &QSlider::valueChanged, this, guarded([this](int loudness) {
        m_player.trbVolumeChange(m_ui.trbVolume->maximum() - loudness);
    }));
    connect(m_ui.chkAudioContinue, &QCheckBox::toggled, this,
            guarded([this](bool checked) { m_player.chkAudioContinueChange(checked); }));
    // The keys act like the buttons, and only while those are usable.
    connect(m_playPauseKey, &QAction::triggered, m_ui.btnPlayPause, [this] {
        if (m_ui.btnPlayPause->isEnabled())
            m_ui.btnPlayPause->click();
    });
    connect(m_stopKey, &QAction::triggered, m_ui.btnStop, &QToolButton::click);
    connect(m_nextAyaKey, &QAction::triggered, m_ui.btnPlayNextAya, &QToolButton::click);
    connect(m_prevAyaKey, &QAction::triggered, m_ui.btnPlayPrevAya, &QToolButton::click);
    connect(m_ui.panRecitationOptions, &RecitationOptionsPanel::speedChanged, this,
            guarded([this](int percent) { m_player.setPlaybackSpeed(percent); }));
    connect(m_ui.panReciter, &ReciterPanel::reciterChosen, this,
            guarded([this](const QString& name) { cbReciterChange(name); }));
    connect(m_ui.panReciter, &ReciterPanel::installRequested, this, guarded([this] { btnInstallReciterClick(); }));
}

void AudioPlayerTab::loadReciter()
{
    AppSet.Reciter = reciterToUse(AppSet.Reciter);
    if (const std::string problem = InitAudio(); !problem.empty())
        reportError(toQString(problem));
    showReciter();
}

void AudioPlayerTab::showReciter()
{
    showReciterName();
    m_ui.panReciter->refresh();
}

void AudioPlayerTab::setUpFromSettings()
{
    m_player.setUpFromSettings();
    m_ui.panRecitationOptions->showSettings();
}

void AudioPlayerTab::showAya(const TQuranPos& position)
{
    m_ui.lblAuPlayAya->setText(toQString(SetAudioAya(position)));
    m_player.setAyaFile(AudioAyaFile);
}

void AudioPlayerTab::restartIfActive()
{
    if (m_player.isActive())
        m_player.PlayerCommand(pcPlay);
}

// Another reciter: its description is read again and the shown aya's file comes from it.
void AudioPlayerTab::cbReciterChange(const QString& name)
{
    if (m_player.isActive())
        m_player.PlayerCommand(pcStop);
    AppSet.Reciter = name.toStdString();
    saveReciterChoice(AppSet.Reciter);
    if (const std::string problem = InitAudio(); !problem.empty())
        reportError(toQString(problem));
    if (m_navigator.FCurPos.Sura != 0)
        showAya(m_navigator.FCurPos);
    showReciter();
}

void AudioPlayerTab::btnInstallReciterClick()
{
    if (m_installDialog == nullptr) {
        m_installDialog = new ReciterInstallDialog(window());
        connect(m_installDialog, &ReciterInstallDialog::reciterInstalled, this,
                guarded([this](const QString& name) { reciterInstalled(name); }));
    }
    m_installDialog->show();
    m_installDialog->raise();
    m_installDialog->activateWindow();
}

void AudioPlayerTab::settingsClosed(const QString& chosen)
{
    if (!chosen.isEmpty() && chosen != toQString(AppSet.Reciter) && isReciterInstalled(chosen.toStdString()))
        cbReciterChange(chosen);
    else
        reciterListChanged();
}

// The reciter that played may be gone: the player stops rather than look for its files.
void AudioPlayerTab::reciterListChanged()
{
    if (!isReciterInstalled(AppSet.Reciter) && m_player.isActive())
        m_player.PlayerCommand(pcStop);
    showReciter();
}

// A new user's first reciter becomes the one played; with one in use already the new one
// waits in the chooser, unless it is that same reciter grown by more suras.
void AudioPlayerTab::reciterInstalled(const QString& name)
{
    if (!isReciterInstalled(AppSet.Reciter) || name.toStdString() == AppSet.Reciter)
        cbReciterChange(name);
    else
        m_ui.panReciter->refresh();
}

// --- the player's host --------------------------------------------------------------------

TQuranPos AudioPlayerTab::currentPos() const
{
    return m_navigator.FCurPos;
}

void AudioPlayerTab::gotoNextAya()
{
    m_navigator.gotoAyaNext(GotoReason::Player);
}

void AudioPlayerTab::gotoPrevAya()
{
    m_navigator.gotoAyaPrev(GotoReason::Player);
}

void AudioPlayerTab::gotoAya(const TQuranPos& pos)
{
    m_navigator.goTo(pos, GotoReason::Player);
}

// The page may repaint and load, but a click or key must wait: it would re-enter the player
// halfway through a command.
void AudioPlayerTab::processPendingEvents()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void AudioPlayerTab::reportMissingAya(const MissingAya& missing)
{
    const auto place = [](const TQuranPos& aya) { return QStringLiteral("%1:%2").arg(aya.Sura).arg(aya.Aya); };
    QString text = tr("The recitation of %1 is missing (%2).").arg(place(missing.aya), toQString(missing.file));
    if (missing.playingOnFrom)
        text += " " + tr("Playing on from %1.").arg(place(*missing.playingOnFrom));
    QStatusTipEvent tip(text);
    QCoreApplication::sendEvent(window(), &tip);
}

void AudioPlayerTab::setStatusText(const std::string& text)
{
    m_playerWords.status = text;
    m_ui.lblAuStatus->setText(playerText(text));
}

void AudioPlayerTab::setPlayPauseButton(PlayerImage image, const std::string& hint)
{
    m_playerWords.playPauseHint = hint;
    m_ui.btnPlayPause->setIcon(playerIcon(image));
    applyHint(m_ui.btnPlayPause, playerText(hint));
    showHintOfHoveredButton(m_ui.btnPlayPause);
}

void AudioPlayerTab::showReciterName()
{
    const bool installed = reciterState(AppSet.Reciter) == ReciterState::Installed;
    m_ui.lblReciter->setText(installed ? toQString(AppSet.Reciter) : tr("(none)"));
}

// The player's last words, again in the new language.
void AudioPlayerTab::retranslatePlayerWords()
{
    showReciterName();
    m_ui.lblAuStatus->setText(playerText(m_playerWords.status));
    applyHint(m_ui.btnPlayPause, playerText(m_playerWords.playPauseHint));
    applyHint(m_ui.btnSpeaker, playerText(m_playerWords.speakerHint));
}

void AudioPlayerTab::setPlayPauseEnabled(bool enabled)
{
    m_ui.btnPlayPause->setEnabled(enabled);
}

// An unknown length (0) shows an empty bar rather than Qt's busy animation.
void AudioPlayerTab::setProgressMaximum(int maximum)
{
    m_ui.progAudio->setRange(0, std::max(1, maximum));
}

void AudioPlayerTab::setProgress(int position)
{
    m_ui.progAudio->setValue(position);
}

void AudioPlayerTab::setPlayTimerEnabled(bool enabled)
{
    if (enabled)
        m_playTimer.start();
    else
        m_playTimer.stop();
}

void AudioPlayerTab::setSpeakerButton(PlayerImage image, const std::string& hint)
{
    m_playerWords.speakerHint = hint;
    m_ui.btnSpeaker->setIcon(playerIcon(image));
    applyHint(m_ui.btnSpeaker, playerText(hint));
    showHintOfHoveredButton(m_ui.btnSpeaker);
}

// Qt shows a status tip when the mouse enters a widget; a hint that changes under a resting
// mouse (Mute becoming Unmute on a click) would otherwise stay stale until it leaves. The
// tip travels up to the window, which shows it in its status strip.
void AudioPlayerTab::showHintOfHoveredButton(QWidget* button)
{
    if (!button->underMouse())
        return;
    QStatusTipEvent tip(button->statusTip());
    QCoreApplication::sendEvent(button, &tip);
}

void AudioPlayerTab::setVolumeSlider(int position)
{
    m_ui.trbVolume->setValue(m_ui.trbVolume->maximum() - position);
}

void AudioPlayerTab::setContinueChecked(bool checked)
{
    m_ui.chkAudioContinue->setChecked(checked);
}

} // namespace tilvane

#pragma once

#include "core/audio/player.h"
#include "core/audio/player_host.h"
#include "gui/audio/gst_media_device.h"

#include <QTimer>
#include <QWidget>

class QAction;
class QCheckBox;
class QLabel;
class QProgressBar;
class QSlider;
class QToolButton;

namespace tilvane {

class RecitationOptionsPanel;
class ReciterInstallDialog;
class ReciterPanel;
class Navigator;

struct AudioPlayerControls {
    QToolButton* btnPlayPause = nullptr;
    QToolButton* btnPlayPrevAya = nullptr;
    QToolButton* btnStop = nullptr;
    QToolButton* btnPlayNextAya = nullptr;
    QSlider* trbVolume = nullptr;
    QToolButton* btnSpeaker = nullptr;
    QLabel* lblReciter = nullptr;
    QLabel* lblAuPlayAya = nullptr;
    QLabel* lblAuStatus = nullptr;
    QProgressBar* progAudio = nullptr;
    QCheckBox* chkAudioContinue = nullptr;
    ReciterPanel* panReciter = nullptr;
    RecitationOptionsPanel* panRecitationOptions = nullptr;
};

// The " Audio Player " tab: its controls, the recitation player with its media device and
// play timer, the reciter chooser and the install dialog. It moves the reader only through
// the navigator, as the player's own moves.
class AudioPlayerTab : public QWidget, private IPlayerHost {
    Q_OBJECT
public:
    AudioPlayerTab(Navigator& navigator, QWidget* parent = nullptr);
    ~AudioPlayerTab() override;

    // The player's keys (F9 and the media keys), added to the window so that they work
    // wherever the focus is.
    void addKeysTo(QWidget* window);
    QList<QAction*> keys() const;

    // Start-up, before the first aya is shown: the chosen reciter's recordings.
    void loadReciter();
    // Start-up, once the first aya is shown: the controls from the settings.
    void setUpFromSettings();
    // Every shown aya: its file is the one played next, and the label names it.
    void showAya(const TQuranPos& position);
    // Go and every other move: a recitation playing or paused starts again at the shown aya.
    void restartIfActive();
    // The settings dialog closed, where reciters may have been installed or removed: chosen
    // (empty when cancelled) becomes the one played if it is installed and another.
    void settingsClosed(const QString& chosen);
    // "Play from here": the recitation starts at the shown aya.
    void playShownAya() { m_player.PlayerCommand(pcPlay); }
    // A new sura page: its aya 1 gets its bismillah again.
    void clearBismillahDone() { m_player.clearBismillahDone(); }

    // Playing or paused.
    bool isActive() const { return m_player.isActive(); }
    const GstMediaDevice& mediaDevice() const { return m_device; }
    // The install dialog once it has been opened; it stays, so an install runs on while the
    // user reads.
    ReciterInstallDialog* installDialog() const { return m_installDialog; }

    // The controls, for the tests and the screenshots.
    const AudioPlayerControls& controls() const { return m_ui; }

private:
    void createControls();
    void createKeys();
    void connectControls();
    void cbReciterChange(const QString& name);
    void btnInstallReciterClick();
    void reciterInstalled(const QString& name);
    void showReciter();
    void showReciterName();
    void reciterListChanged();
    void showHintOfHoveredButton(QWidget* button);
    void retranslatePlayerWords();

    // IPlayerHost
    TQuranPos currentPos() const override;
    void gotoNextAya() override;
    void gotoPrevAya() override;
    void gotoAya(const TQuranPos& pos) override;
    void processPendingEvents() override;
    void setStatusText(const std::string& text) override;
    void reportMissingAya(const MissingAya& missing) override;
    void setPlayPauseButton(PlayerImage image, const std::string& hint) override;
    void setPlayPauseEnabled(bool enabled) override;
    void setProgressMaximum(int maximum) override;
    void setProgress(int position) override;
    void setPlayTimerEnabled(bool enabled) override;
    void setSpeakerButton(PlayerImage image, const std::string& hint) override;
    void setVolumeSlider(int position) override;
    void setContinueChecked(bool checked) override;

    AudioPlayerControls m_ui;
    Navigator& m_navigator;
    // The one place the recitation's sound device is made.
    GstMediaDevice m_device;
    RecitationPlayer m_player{m_device, *this};
    QTimer m_playTimer;
    ReciterInstallDialog* m_installDialog = nullptr;
    QAction* m_playPauseKey = nullptr;
    QAction* m_stopKey = nullptr;
    QAction* m_nextAyaKey = nullptr;
    QAction* m_prevAyaKey = nullptr;
    // What the player last said, in its English words, to say again in another language.
    struct PlayerWords {
        std::string status = "Stopped";
        std::string playPauseHint = kPlayPauseLayoutHint;
        std::string speakerHint = "Mute";
    } m_playerWords;
};

QIcon playerIcon(PlayerImage image);

} // namespace tilvane

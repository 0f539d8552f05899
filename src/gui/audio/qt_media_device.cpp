#include "gui/audio/qt_media_device.h"

#include "core/base/errors.h"

#include <QEventLoop>
#include <QTimer>
#include <QUrl>

#include <algorithm>

namespace tilvane {

QtMediaDevice::QtMediaDevice(std::chrono::milliseconds openTimeout)
    : m_openTimeout(openTimeout)
{
}

QtMediaDevice::~QtMediaDevice() = default;

void QtMediaDevice::close()
{
    m_open = false;
    m_player.reset();
    m_output.reset();
}

void QtMediaDevice::open(const std::string& fileName)
{
    close();
    m_fileName = fileName;
    m_error.clear();
    // The output goes with its player: a new pipeline never inherits the old one's sink.
    m_output = std::make_unique<QAudioOutput>();
    m_output->setVolume(m_volume);
    m_player = std::make_unique<QMediaPlayer>();
    m_player->setAudioOutput(m_output.get());
    m_player->setPlaybackRate(m_rate);
    QObject::connect(m_player.get(), &QMediaPlayer::errorOccurred, m_player.get(),
                     [this](QMediaPlayer::Error, const QString& errorString) {
                         m_error = errorString.isEmpty() ? QStringLiteral("unknown media error") : errorString;
                     });

    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(m_player.get(), &QMediaPlayer::mediaStatusChanged, &loop, [&] {
        if (loadSettled())
            loop.quit();
    });
    QObject::connect(m_player.get(), &QMediaPlayer::errorOccurred, &loop, &QEventLoop::quit);

    // A missing file is refused inside setSource already.
    m_player->setSource(QUrl::fromLocalFile(QString::fromStdString(fileName)));
    if (!loadSettled()) {
        deadline.start(m_openTimeout);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }

    if (!m_error.isEmpty())
        failOpen(m_error);
    switch (m_player->mediaStatus()) {
    case QMediaPlayer::LoadedMedia:
    case QMediaPlayer::BufferedMedia:
        m_open = true;
        return;
    case QMediaPlayer::InvalidMedia:
        failOpen(QStringLiteral("not a playable media file"));
    default:
        failOpen(QStringLiteral("it did not load within %1 ms").arg(m_openTimeout.count()));
    }
}

bool QtMediaDevice::loadSettled() const
{
    const QMediaPlayer::MediaStatus status = m_player->mediaStatus();
    return !m_error.isEmpty() || status == QMediaPlayer::LoadedMedia || status == QMediaPlayer::BufferedMedia
        || status == QMediaPlayer::InvalidMedia;
}

void QtMediaDevice::failOpen(const QString& reason)
{
    close();
    throw TilvaneError("Cannot play the recitation file \"" + m_fileName + "\": " + reason.toStdString());
}

void QtMediaDevice::requireOpen() const
{
    if (!m_open)
        throw TilvaneError("No recitation file is open.");
}

std::int64_t QtMediaDevice::length() const
{
    return m_open ? m_player->duration() : 0;
}

std::int64_t QtMediaDevice::position() const
{
    return m_open ? m_player->position() : 0;
}

void QtMediaDevice::play()
{
    requireOpen();
    m_player->play();
}

void QtMediaDevice::pause()
{
    requireOpen();
    m_player->pause();
}

void QtMediaDevice::resume()
{
    requireOpen();
    m_player->play();
}

void QtMediaDevice::stop()
{
    requireOpen();
    m_player->stop();
}

void QtMediaDevice::setVolume(int volume)
{
    m_volume = static_cast<float>(std::clamp(volume, 0, 1000)) / 1000.0f;
    if (m_output)
        m_output->setVolume(m_volume);
}

void QtMediaDevice::setPlaybackRate(double rate)
{
    m_rate = rate;
    if (m_player)
        m_player->setPlaybackRate(m_rate);
}

bool QtMediaDevice::reachedEnd() const
{
    if (!m_open)
        return false;
    if (!m_error.isEmpty())
        throw TilvaneError("Playing the recitation file \"" + m_fileName + "\" failed: " + m_error.toStdString());
    return m_player->mediaStatus() == QMediaPlayer::EndOfMedia;
}

} // namespace tilvane

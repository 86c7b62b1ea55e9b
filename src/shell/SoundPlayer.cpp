#include "shell/SoundPlayer.h"

#include "sound/WaveFile.h"

#include <QApplication>
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>

namespace trevallion {

SoundPlayer::SoundPlayer(Beep beep) : m_beep(std::move(beep)) {
    if (!m_beep) {
        m_beep = [] { QApplication::beep(); };
    }
}

SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::Play(const QString& file) {
    Stop();
    const QString path = QFileInfo(file).absoluteFilePath();
    const std::optional<DecodedSound> sound = LoadWave(QFile::encodeName(path).toStdString());
    if (!sound) {
        m_beep();
        return;
    }

    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        return; // nowhere to play it
    }
    QAudioFormat format;
    format.setSampleFormat(QAudioFormat::Float);
    format.setChannelCount(sound->channels);
    format.setSampleRate(sound->sampleRate);
    PrepareSink(device, format);

    m_samples->setData(reinterpret_cast<const char*>(sound->samples.data()),
                       static_cast<qsizetype>(sound->samples.size() * sizeof(float)));
    m_samples->open(QIODevice::ReadOnly);
    // An output that refuses the stream (its server gone, say) leaves the game silent: the file
    // itself was fine, so there is nothing to beep about.
    m_sink->start(m_samples);
}

void SoundPlayer::Stop() {
    if (m_sink) {
        m_sink->stop();
        m_samples->close();
    }
}

void SoundPlayer::PrepareSink(const QAudioDevice& device, const QAudioFormat& format) {
    if (m_sink && m_deviceId == device.id() && m_sink->format() == format) {
        return;
    }
    if (m_sink) {
        // Destroying an output runs pending events, which must not happen in the middle of a game
        // command; from the event loop it is harmless.
        m_sink.release()->deleteLater();
    }
    m_sink = std::make_unique<QAudioSink>(device, format);
    m_samples = new QBuffer(m_sink.get());
    m_deviceId = device.id();
}

} // namespace trevallion

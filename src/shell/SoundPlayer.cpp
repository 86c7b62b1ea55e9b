#include "shell/SoundPlayer.h"

#include "sound/SoundStore.h"

#include <QApplication>
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>

namespace trevallion {
namespace {

// How far ahead of the speaker the stream is filled. The output is fed from the window's thread
// every 20 ms, so less would starve it; more would delay every sound and outlast Stop.
constexpr int StreamMilliseconds = 100;

std::string StorePath(const QString& file) {
    return QFile::encodeName(QFileInfo(file).absoluteFilePath()).toStdString();
}

} // namespace

SoundPlayer::SoundPlayer(Beep beep)
    : m_beep(std::move(beep)), m_events(std::make_unique<QObject>()),
      m_store(
          std::make_unique<SoundStore>([events = m_events.get(), this](const std::string& path) {
              QMetaObject::invokeMethod(
                  events, [this, path] { Loaded(path); }, Qt::QueuedConnection);
          })) {
    if (!m_beep) {
        m_beep = [] { QApplication::beep(); };
    }
    // A sound server that comes or goes, or a new default output: the next sound finds it.
    auto* devices = new QMediaDevices(m_events.get());
    QObject::connect(devices, &QMediaDevices::audioOutputsChanged, m_events.get(), [this] {
        // Outputs also "change" when their state or volume does; only another default counts.
        if (QMediaDevices::defaultAudioOutput().id() != m_deviceId) {
            DropSink();
        }
    });
}

SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::Preload(const QString& file) {
    m_store->Request(StorePath(file));
}

void SoundPlayer::Play(const QString& file) {
    Stop();
    const std::string path = StorePath(file);
    if (const std::optional<SoundStore::Sound> sound = m_store->Find(path)) {
        Start(*sound);
        return;
    }
    ++m_triesWaiting[path];
    m_wanted = path;
    m_store->Request(path);
}

void SoundPlayer::Stop() {
    m_wanted.clear();
    if (m_sink) {
        m_sink->stop();
        m_samples->close();
    }
}

void SoundPlayer::Loaded(const std::string& path) {
    const int tries = std::exchange(m_triesWaiting[path], 0);
    const SoundStore::Sound sound = m_store->Find(path).value_or(nullptr);
    if (!sound) {
        for (int i = 0; i < tries; ++i) {
            m_beep();
        }
    } else if (path == m_wanted) {
        Start(sound);
    }
    if (path == m_wanted) {
        m_wanted.clear();
    }
}

void SoundPlayer::Start(const SoundStore::Sound& sound) {
    if (!sound) {
        m_beep();
        return;
    }
    QAudioFormat format;
    format.setSampleFormat(QAudioFormat::Float);
    format.setChannelCount(sound->channels);
    format.setSampleRate(sound->sampleRate);
    PrepareSink(format);
    if (!m_sink) {
        return; // nowhere to play it
    }

    m_playing = sound;
    m_samples->setData(
        QByteArray::fromRawData(reinterpret_cast<const char*>(sound->samples.data()),
                                static_cast<qsizetype>(sound->samples.size() * sizeof(float))));
    m_samples->open(QIODevice::ReadOnly);
    // The stream asks for the buffer it is given here each time it starts. Qt's PulseAudio
    // output otherwise asks again for what the server granted last time, which is less, so
    // that after a few sounds the stream is too short to be fed and plays nothing at all.
    m_sink->setBufferSize(format.bytesForDuration(StreamMilliseconds * 1000));
    m_sink->start(m_samples);
    if (m_sink->error() != QAudio::NoError) {
        // The server is gone or refused the stream: the file itself was fine, so there is
        // nothing to beep about, but the next sound looks for the output afresh.
        DropSink();
    }
}

void SoundPlayer::PrepareSink(const QAudioFormat& format) {
    if (m_sink && m_sink->format() == format) {
        return;
    }
    DropSink();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        return;
    }
    m_deviceId = device.id();
    m_sink = std::make_unique<QAudioSink>(device, format);
    m_samples = new QBuffer(m_sink.get());
    // A stream the server drops (it stopped, or lost its device) reports a fatal error. The
    // report is taken up from the event loop, never inside a call to the output itself.
    QObject::connect(
        m_sink.get(), &QAudioSink::stateChanged, m_events.get(),
        [this] {
            if (m_sink && m_sink->error() == QAudio::FatalError) {
                DropSink();
            }
        },
        Qt::QueuedConnection);
}

void SoundPlayer::DropSink() {
    if (!m_sink) {
        return;
    }
    m_sink->disconnect(m_events.get());
    m_sink->stop();
    // Destroying an output runs pending events, which must not happen in the middle of a game
    // command; from the event loop it is harmless.
    m_sink.release()->deleteLater();
    m_samples = nullptr;
    m_playing.reset();
}

} // namespace trevallion

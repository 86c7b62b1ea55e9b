#include "shell/SoundPlayer.h"

#include <QApplication>
#include <QAudioDevice>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <QtEndian>

namespace trevallion {
namespace {

// Whether the file is laid out as a WAVE file that holds samples: "RIFF", "WAVE", a format
// chunk for integer or float samples, then a data chunk. Qt reports a file it cannot decode
// only after loading it, and only when there is an output to load it for; this check answers
// at once and everywhere for anything that is plainly not a sound.
bool LooksLikeWave(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray riff = file.read(12);
    if (riff.size() < 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE") {
        return false;
    }
    bool haveFormat = false;
    for (int chunk = 0; chunk < 32; ++chunk) { // a damaged file cannot keep us reading
        const QByteArray header = file.read(8);
        if (header.size() < 8) {
            return false;
        }
        const QByteArray tag = header.left(4);
        const qint64 size = qFromLittleEndian<quint32>(header.constData() + 4);
        if (tag == "data") {
            return haveFormat && size > 0;
        }
        qint64 skip = size + (size & 1); // chunks are padded to an even length
        if (tag == "fmt ") {
            const QByteArray format = file.read(16);
            if (size < 16 || format.size() < 16) {
                return false;
            }
            const quint16 code = qFromLittleEndian<quint16>(format.constData());
            const quint16 channels = qFromLittleEndian<quint16>(format.constData() + 2);
            const quint16 bits = qFromLittleEndian<quint16>(format.constData() + 14);
            // PCM, float, or the extensible form that wraps either.
            haveFormat = (code == 1 || code == 3 || code == 0xFFFE) && channels > 0 && bits > 0;
            skip -= 16;
        }
        if (!file.seek(file.pos() + skip)) {
            return false;
        }
    }
    return false;
}

} // namespace

SoundPlayer::SoundPlayer(Beep beep) : m_beep(std::move(beep)) {
    if (!m_beep) {
        m_beep = [] { QApplication::beep(); };
    }
}

SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::Play(const QString& file) {
    Stop();
    const QFileInfo info(file);
    const QString path = info.absoluteFilePath();
    if (!info.isFile() || !LooksLikeWave(path)) {
        m_beep();
        return;
    }

    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        return; // nowhere to play it
    }
    if (!m_effect || device.id() != m_deviceId) {
        // A new output is a fresh start: what failed on the old one may play on this one.
        m_effect = std::make_unique<QSoundEffect>(device);
        m_deviceId = device.id();
        m_unplayable.clear();
        QObject::connect(m_effect.get(), &QSoundEffect::statusChanged,
                         [this] { OnStatusChanged(); });
    }
    if (m_unplayable.contains(path)) {
        m_beep();
        return;
    }

    // Loading happens on Qt's own thread; the outcome comes back through statusChanged. A
    // file already loaded (the same sound again) is ready at once and simply starts over.
    m_awaitingLoad = true;
    m_effect->setSource(QUrl::fromLocalFile(path));
    if (m_effect->status() == QSoundEffect::Ready) {
        m_awaitingLoad = false;
    }
    m_effect->play();
}

void SoundPlayer::Stop() {
    m_awaitingLoad = false;
    if (m_effect) {
        m_effect->stop();
    }
}

void SoundPlayer::OnStatusChanged() {
    switch (m_effect->status()) {
    case QSoundEffect::Ready:
        m_awaitingLoad = false;
        break;
    case QSoundEffect::Error:
        // Qt keeps its failed loads and does not report them again for the same file, so the
        // player remembers them itself to beep on every later try.
        m_unplayable.insert(m_effect->source().toLocalFile());
        if (m_awaitingLoad) {
            m_awaitingLoad = false;
            m_beep();
        }
        break;
    default:
        break;
    }
}

} // namespace trevallion

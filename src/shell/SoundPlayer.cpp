#include "shell/SoundPlayer.h"

#include "play/Messages.h"
#include "pulse/PulseOutput.h"
#include "sound/SoundStore.h"
#include "version/Version.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>

#include <variant>

namespace trevallion {
namespace {

std::string StorePath(const QString& file) {
    return QFile::encodeName(QFileInfo(file).absoluteFilePath()).toStdString();
}

// The desktop's volume mixer shows the game's sounds under its name and icon, as a game's.
StreamNames GameStream() {
    return {.application = std::string(ProgramName),
            .applicationId = std::string(ApplicationId),
            .iconName = std::string(ApplicationId),
            .role = "game",
            .stream = "Sound effects"};
}

} // namespace

SoundPlayer::SoundPlayer(Beep beep)
    : m_beep(std::move(beep)), m_events(std::make_unique<QObject>()),
      m_store(
          std::make_unique<SoundStore>([events = m_events.get(), this](const std::string& path) {
              QMetaObject::invokeMethod(
                  events, [this, path] { Loaded(path); }, Qt::QueuedConnection);
          })),
      m_output(std::make_unique<PulseOutput>(GameStream())) {
    if (!m_beep) {
        m_beep = [] { QApplication::beep(); };
    }
}

SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::Preload(const QString& file) {
    m_store->Request(StorePath(file));
}

void SoundPlayer::Play(const QString& file) {
    Stop();
    const std::string path = StorePath(file);
    const SoundStore::Known known = m_store->Find(path);
    if (const SoundStore::Sound* sound = std::get_if<SoundStore::Sound>(&known)) {
        m_output->Play(*sound);
        return;
    }
    if (std::holds_alternative<SoundStore::LoadFailed>(known)) {
        m_beep();
        return;
    }
    ++m_triesWaiting[path];
    m_wanted = path;
    m_store->Request(path);
}

void SoundPlayer::Stop() {
    m_wanted.clear();
    m_output->Stop();
}

void SoundPlayer::Loaded(const std::string& path) {
    const int tries = std::exchange(m_triesWaiting[path], 0);
    const SoundStore::Known known = m_store->Find(path);
    const SoundStore::Sound* sound = std::get_if<SoundStore::Sound>(&known);
    if (!sound) {
        for (int i = 0; i < tries; ++i) {
            m_beep();
        }
    } else if (path == m_wanted) {
        m_output->Play(*sound);
    }
    if (path == m_wanted) {
        m_wanted.clear();
    }
}

} // namespace trevallion

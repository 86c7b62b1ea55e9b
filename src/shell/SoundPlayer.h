#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>

#include <functional>
#include <memory>

class QSoundEffect;

namespace trevallion {

// The window's sound output: plays one WAVE file at a time in the background. A new sound cuts
// off the one still playing, so the newest event is the one heard. A file that is missing or
// cannot be played gives the platform's alert beep instead, once.
//
// With no audio output (a machine without a sound server, such as a build server) a playable
// file is silently skipped: Qt is not even asked, because it would warn on every load. Missing
// and malformed files still beep, as they are checked before any output is needed.
class SoundPlayer {
  public:
    using Beep = std::function<void()>;

    // beep sounds the platform's alert; when empty, QApplication::beep is used.
    explicit SoundPlayer(Beep beep = {});
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Starts file (a path relative to the current directory, or absolute) and returns at once.
    void Play(const QString& file);

    // Silences whatever plays; does nothing when nothing does.
    void Stop();

  private:
    void OnStatusChanged();

    Beep m_beep;
    QSet<QString> m_unplayable;  // absolute paths Qt has failed to load on the current output
    QByteArray m_deviceId;       // the output m_effect plays on
    bool m_awaitingLoad = false; // whether the file last started may still turn out unplayable
    std::unique_ptr<QSoundEffect> m_effect; // last, so it goes first and never signals into a
                                            // half-destroyed player
};

} // namespace trevallion

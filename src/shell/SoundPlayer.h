#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

class QAudioDevice;
class QAudioFormat;
class QAudioSink;
class QBuffer;

namespace trevallion {

// The window's sound output: plays one WAVE file at a time in the background. A new sound cuts
// off the one still playing, so the newest event is the one heard. A file that is missing or
// cannot be played gives the platform's alert beep instead, once per try.
//
// Each file is read and decoded here, whole, before any audio output sees it: a damaged file is
// refused at once, and the output only ever plays samples already in memory, so no file can
// make it wait. With no audio output (a machine without a sound server, such as a build server)
// a playable file is silently skipped; missing and damaged files still beep.
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
    // Makes m_sink an output of `format` on `device`, keeping the one there when it is already.
    void PrepareSink(const QAudioDevice& device, const QAudioFormat& format);

    Beep m_beep;
    QByteArray m_deviceId;              // the output m_sink plays on
    std::unique_ptr<QAudioSink> m_sink; // the parent of m_samples
    QBuffer* m_samples = nullptr;       // what m_sink plays
};

} // namespace trevallion

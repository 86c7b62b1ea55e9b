#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <string>

class QAudioFormat;
class QAudioSink;
class QBuffer;
class QObject;

namespace trevallion {

struct DecodedSound;
class SoundStore;

// The window's sound output: plays one WAVE file at a time in the background. A new sound cuts
// off the one still playing, so the newest event is the one heard. A file that is missing or
// cannot be played gives the platform's alert beep instead, once per try.
//
// Files are read and decoded once, on a thread of their own, and kept: the window's thread only
// hands samples already in memory to the audio output, so no file can make it wait. A file not
// loaded yet starts as soon as it is (a few milliseconds), unless another sound came first.
//
// The output is one audio stream, kept from sound to sound and made again when the sound server
// fails or the outputs change, so a server that restarts is heard again. With no audio output (a
// machine without a sound server, such as a build server) a playable file is silently skipped;
// missing and damaged files still beep.
class SoundPlayer {
  public:
    using Beep = std::function<void()>;

    // beep sounds the platform's alert; when empty, QApplication::beep is used.
    explicit SoundPlayer(Beep beep = {});
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Starts loading the file (a path as for Play) in the background, so that its first Play
    // finds it ready.
    void Preload(const QString& file);

    // Starts file (a path relative to the current directory, or absolute) and returns at once.
    void Play(const QString& file);

    // Silences whatever plays; does nothing when nothing does.
    void Stop();

  private:
    // The store has finished with `path`: sounds it now, or beeps for every try it failed.
    void Loaded(const std::string& path);
    void Start(const std::shared_ptr<const DecodedSound>& sound);
    // Makes m_sink an output of `format` on the current device, keeping the one there if it is.
    void PrepareSink(const QAudioFormat& format);
    // Lets the output go, after a failure or a change of outputs; the next sound makes another.
    void DropSink();

    Beep m_beep;
    std::unique_ptr<QObject> m_events;         // receives the store's and Qt's news on this thread
    std::unique_ptr<SoundStore> m_store;       // after m_events, which its thread posts to
    std::map<std::string, int> m_triesWaiting; // Play calls per file still loading
    std::string m_wanted;                      // the file the latest Play asked for, if loading
    QByteArray m_deviceId;                     // the output m_sink plays on
    std::unique_ptr<QAudioSink> m_sink;        // the parent of m_samples
    QBuffer* m_samples = nullptr;              // what m_sink plays
    std::shared_ptr<const DecodedSound> m_playing; // holds the samples m_samples reads
};

} // namespace trevallion

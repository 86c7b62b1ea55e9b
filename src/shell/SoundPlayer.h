#pragma once

#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <string>

class QObject;

namespace trevallion {

class PulseOutput;
class SoundStore;

// The window's sound output: plays one WAVE file at a time in the background. A new sound cuts
// off the one still playing, so the newest event is the one heard. A file that is missing or
// cannot be played gives the platform's alert beep instead, once per try.
//
// Files are read and decoded once, on a thread of their own, and kept: the window's thread only
// hands samples already in memory to the output, so no file can make it wait. A file not loaded
// yet starts as soon as it is (a few milliseconds), unless another sound came first. With no
// sound server (a build server, say) a playable file is silently skipped; missing and damaged
// files still beep.
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

    Beep m_beep;
    std::unique_ptr<QObject> m_events;   // receives the store's news on this thread
    std::unique_ptr<SoundStore> m_store; // after m_events, which its thread posts to
    std::unique_ptr<PulseOutput> m_output;
    std::map<std::string, int> m_triesWaiting; // Play calls per file still loading
    std::string m_wanted;                      // the file the latest Play asked for, if loading
};

} // namespace trevallion

#pragma once

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>

struct pa_simple;

namespace trevallion {

struct DecodedSound;

// One sound at a time on the PulseAudio server's default output (PipeWire serves the same
// protocol), written by a thread of its own so that the caller never waits for the server.
//
// The connection is made when a sound is to play and kept for the next; when the server goes
// away, the write that fails lets it go and the same sound tries a new one at once, so a server
// that comes back is heard again. With no server at all a sound is dropped without a word.
class PulseOutput {
  public:
    PulseOutput();
    // Silences the output and waits for its thread.
    ~PulseOutput();
    PulseOutput(const PulseOutput&) = delete;
    PulseOutput& operator=(const PulseOutput&) = delete;

    // Cuts off whatever plays and starts `sound`, which stays alive while it plays.
    void Play(std::shared_ptr<const DecodedSound> sound);

    // Cuts off whatever plays, at once.
    void Stop();

  private:
    void Run();
    // Plays `sound` until it ends or the next command comes; false when the server failed.
    bool WriteOut(const DecodedSound& sound, std::uint64_t command);
    bool Connect(const DecodedSound& sound);
    void Disconnect();
    bool Superseded(std::uint64_t command);

    // Shared with the thread, under m_mutex.
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::shared_ptr<const DecodedSound> m_next; // to play; empty to be silent
    std::uint64_t m_command = 0;                // counts Play and Stop calls
    bool m_quit = false;

    // The thread's own.
    pa_simple* m_stream = nullptr;
    int m_channels = 0;
    int m_rate = 0;
    std::thread m_thread; // last, so that it starts when the rest is ready
};

} // namespace trevallion

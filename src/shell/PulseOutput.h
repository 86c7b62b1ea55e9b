#pragma once

#include <memory>
#include <thread>

namespace trevallion {

struct DecodedSound;
// What the caller of PulseOutput tells its thread.
struct OutputCommands;

// One sound at a time on the PulseAudio server's default output (PipeWire serves the same
// protocol), written by a thread of its own so that the caller never waits for the server.
//
// The connection is made when a sound is to play and kept for the next; when the server goes
// away, the write that fails lets it go and the same sound tries a new one at once, so a server
// that comes back is heard again. With no server at all a sound is dropped without a word.
class PulseOutput {
  public:
    PulseOutput();
    // Silences the output and lets its thread end. A sound server that hangs can hold the thread
    // in a call for ever; after a short wait it is left to end with the process, so closing the
    // game never waits on the server.
    ~PulseOutput();
    PulseOutput(const PulseOutput&) = delete;
    PulseOutput& operator=(const PulseOutput&) = delete;

    // Cuts off whatever plays and starts `sound`, which stays alive while it plays.
    void Play(std::shared_ptr<const DecodedSound> sound);

    // Cuts off whatever plays, at once.
    void Stop();

  private:
    // Shared with the thread, which holds it too, so that it stays valid for a thread left
    // running past the object.
    std::shared_ptr<OutputCommands> m_commands;
    std::thread m_thread; // last, so that it starts when the rest is ready
};

} // namespace trevallion

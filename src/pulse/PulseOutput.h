#pragma once

#include "pulse/StreamNames.h"

#include <memory>
#include <thread>

namespace trevallion {

struct DecodedSound;
// What the caller of PulseOutput tells its thread.
struct OutputCommands;

// One sound at a time on the PulseAudio server's default output (PipeWire serves the same
// protocol), played by a thread of its own so that the caller never waits for the server.
//
// The thread speaks to the server without ever waiting for it: a server that is not there yet,
// that goes away or that comes back is looked for again at the next sound, so it is heard from
// that sound on. The game never starts a server of its own. A sound that finds no server is
// dropped without a word.
class PulseOutput {
  public:
    explicit PulseOutput(StreamNames names);
    // Silences the output and ends its thread, which never waits on the server: closing the game
    // is not held up by it.
    ~PulseOutput();
    PulseOutput(const PulseOutput&) = delete;
    PulseOutput& operator=(const PulseOutput&) = delete;

    // Cuts off whatever plays and starts `sound`, which stays alive while it plays.
    void Play(std::shared_ptr<const DecodedSound> sound);

    // Cuts off whatever plays, at once.
    void Stop();

  private:
    std::unique_ptr<OutputCommands> m_commands;
    std::thread m_thread; // last, so that it starts when the rest is ready
};

} // namespace trevallion

#pragma once

#include "pulse/StreamNames.h"

#include <pulse/context.h>
#include <pulse/mainloop-api.h>
#include <pulse/stream.h>

#include <chrono>
#include <cstddef>
#include <memory>
#include <optional>

namespace trevallion {

struct DecodedSound;

// The output thread's side of the sound server: the connection to it, the game's stream on that
// connection and the sound being written to the stream. Every call comes from the thread that
// runs `api`'s main loop, and none waits for the server: each asks and returns, and the loop's
// events bring the answers, which Tend then acts on.
class ServerLink {
  public:
    ServerLink(pa_mainloop_api* api, StreamNames names);
    // Lets the stream and the connection go, without waiting for the server.
    ~ServerLink();
    ServerLink(const ServerLink&) = delete;
    ServerLink& operator=(const ServerLink&) = delete;

    // Cuts off what plays and starts `sound` from its beginning; null for silence.
    void Play(std::shared_ptr<const DecodedSound> sound);

    // Called after the loop's events: lets a connection or stream the server has dropped go,
    // connects and opens a stream for a sound that waits, and quiets a stream left idle. Answers
    // how long the loop may sleep before calling again, in microseconds, or -1 for as long as no
    // event comes.
    int Tend();

  private:
    void Connect();
    void OpenStream();
    void DropStream();
    void DropContext();
    // Lets go of what the server no longer serves; answers whether the connection was lost.
    bool LetFailuresGo();
    bool ContextReady() const;
    bool StreamReady() const;
    bool Fits(const DecodedSound& sound) const;
    // Writes up to `bytes` more of the sound; the server asks for them through this, too.
    void Write(std::size_t bytes);
    static void Wanted(pa_stream* stream, std::size_t bytes, void* link);

    pa_mainloop_api* m_api;
    StreamNames m_names;
    pa_context* m_context = nullptr;
    bool m_contextWasReady = false;
    pa_stream* m_stream = nullptr;
    pa_sample_spec m_spec{};
    bool m_corked = false;
    // The sound still being written, and how many of its samples are written; none once all are.
    std::shared_ptr<const DecodedSound> m_sound;
    std::size_t m_written = 0;
    // Whether the sound, cut short by a lost connection, has had its second try.
    bool m_retried = false;
    // Since when the stream has had nothing more to play.
    std::optional<std::chrono::steady_clock::time_point> m_idleSince;
};

} // namespace trevallion

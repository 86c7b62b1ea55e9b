#include "shell/PulseOutput.h"

#include "sound/WaveFile.h"

#include <pulse/simple.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <utility>

namespace trevallion {
namespace {

// The stream holds this much ahead of the speaker: enough that a busy machine does not starve
// it, little enough that a sound starts, and a Stop silences it, without a delay one notices.
constexpr std::uint32_t StreamMilliseconds = 50;
// Written at a time; the thread looks for a newer command between pieces.
constexpr int PieceMilliseconds = 10;
// How long the connection outlives the last sound, ready for the next.
constexpr std::chrono::seconds IdleConnection{10};

// How long closing the game waits for the thread before leaving it to end with the process.
constexpr std::chrono::seconds LongestGoodbye{1};

} // namespace

struct OutputCommands {
    std::mutex mutex; // guards everything below
    std::condition_variable wake;
    std::shared_ptr<const DecodedSound> next; // to play; empty to be silent
    std::uint64_t command = 0;                // counts Play and Stop calls
    bool quit = false;
    bool finished = false; // set by the thread as it ends

    bool Superseded(std::uint64_t since) {
        const std::lock_guard lock(mutex);
        return command != since;
    }
};

namespace {

// The thread's side: the connection to the server and the writing of samples.
class Writer {
  public:
    explicit Writer(std::shared_ptr<OutputCommands> commands) : m_commands(std::move(commands)) {}

    void Run();

  private:
    // Plays `sound` until it ends or the next command comes; false when the server failed.
    bool WriteOut(const DecodedSound& sound, std::uint64_t command);
    bool Connect(const DecodedSound& sound);
    void Disconnect();

    std::shared_ptr<OutputCommands> m_commands;
    pa_simple* m_stream = nullptr;
    int m_channels = 0;
    int m_rate = 0;
};

void Writer::Run() {
    OutputCommands& shared = *m_commands;
    std::uint64_t done = 0;
    for (;;) {
        std::shared_ptr<const DecodedSound> sound;
        std::uint64_t command = 0;
        {
            std::unique_lock lock(shared.mutex);
            const auto commanded = [&] { return shared.command != done; };
            if (m_stream == nullptr) {
                shared.wake.wait(lock, commanded);
            } else if (!shared.wake.wait_for(lock, IdleConnection, commanded)) {
                // An open stream keeps the sound card awake; a quiet game lets it sleep.
                lock.unlock();
                Disconnect();
                continue;
            }
            if (shared.quit) {
                break;
            }
            sound = std::exchange(shared.next, nullptr);
            command = done = shared.command;
        }
        if (m_stream != nullptr) {
            pa_simple_flush(m_stream, nullptr); // what is left of the last sound goes at once
        }
        // A server that went away fails the first write; one that came back takes a new
        // connection, so the sound is tried once more from the start.
        if (sound && !WriteOut(*sound, command)) {
            WriteOut(*sound, command);
        }
    }
    Disconnect();
    {
        const std::lock_guard lock(shared.mutex);
        shared.finished = true;
    }
    shared.wake.notify_all();
}

bool Writer::WriteOut(const DecodedSound& sound, std::uint64_t command) {
    if (!Connect(sound)) {
        return true; // no server to try again
    }
    const std::size_t piece =
        static_cast<std::size_t>(sound.sampleRate * PieceMilliseconds / 1000 * sound.channels);
    for (std::size_t at = 0; at < sound.samples.size() && !m_commands->Superseded(command);
         at += piece) {
        const std::size_t count = std::min(piece, sound.samples.size() - at);
        if (pa_simple_write(m_stream, sound.samples.data() + at, count * sizeof(float), nullptr) <
            0) {
            Disconnect();
            return false;
        }
    }
    return true;
}

bool Writer::Connect(const DecodedSound& sound) {
    if (m_stream != nullptr && m_channels == sound.channels && m_rate == sound.sampleRate) {
        return true;
    }
    Disconnect();
    const pa_sample_spec format{PA_SAMPLE_FLOAT32LE, static_cast<std::uint32_t>(sound.sampleRate),
                                static_cast<std::uint8_t>(sound.channels)};
    const auto bytes =
        static_cast<std::uint32_t>(pa_usec_to_bytes(StreamMilliseconds * 1000, &format));
    const std::uint32_t serverChooses = static_cast<std::uint32_t>(-1);
    const pa_buffer_attr buffer{serverChooses, bytes, serverChooses, serverChooses, serverChooses};
    m_stream = pa_simple_new(nullptr, "Trevallion", PA_STREAM_PLAYBACK, nullptr, "Sound effects",
                             &format, nullptr, &buffer, nullptr);
    m_channels = sound.channels;
    m_rate = sound.sampleRate;
    return m_stream != nullptr;
}

void Writer::Disconnect() {
    if (m_stream != nullptr) {
        pa_simple_free(m_stream);
        m_stream = nullptr;
    }
}

} // namespace

PulseOutput::PulseOutput()
    : m_commands(std::make_shared<OutputCommands>()),
      m_thread([commands = m_commands] { Writer(commands).Run(); }) {}

PulseOutput::~PulseOutput() {
    std::unique_lock lock(m_commands->mutex);
    m_commands->quit = true;
    ++m_commands->command;
    m_commands->wake.notify_all();
    if (m_commands->wake.wait_for(lock, LongestGoodbye, [this] { return m_commands->finished; })) {
        lock.unlock();
        m_thread.join();
    } else {
        m_thread.detach();
    }
}

void PulseOutput::Play(std::shared_ptr<const DecodedSound> sound) {
    {
        const std::lock_guard lock(m_commands->mutex);
        m_commands->next = std::move(sound);
        ++m_commands->command;
    }
    m_commands->wake.notify_all();
}

void PulseOutput::Stop() {
    Play(nullptr);
}

} // namespace trevallion

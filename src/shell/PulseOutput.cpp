#include "shell/PulseOutput.h"

#include "sound/WaveFile.h"

#include <pulse/simple.h>

#include <algorithm>
#include <chrono>
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

} // namespace

PulseOutput::PulseOutput() : m_thread([this] { Run(); }) {}

PulseOutput::~PulseOutput() {
    {
        const std::lock_guard lock(m_mutex);
        m_quit = true;
        ++m_command;
    }
    m_wake.notify_one();
    m_thread.join();
}

void PulseOutput::Play(std::shared_ptr<const DecodedSound> sound) {
    {
        const std::lock_guard lock(m_mutex);
        m_next = std::move(sound);
        ++m_command;
    }
    m_wake.notify_one();
}

void PulseOutput::Stop() {
    Play(nullptr);
}

void PulseOutput::Run() {
    std::uint64_t done = 0;
    for (;;) {
        std::shared_ptr<const DecodedSound> sound;
        std::uint64_t command = 0;
        {
            std::unique_lock lock(m_mutex);
            const auto commanded = [&] { return m_command != done; };
            if (m_stream == nullptr) {
                m_wake.wait(lock, commanded);
            } else if (!m_wake.wait_for(lock, IdleConnection, commanded)) {
                // An open stream keeps the sound card awake; a quiet game lets it sleep.
                lock.unlock();
                Disconnect();
                continue;
            }
            if (m_quit) {
                break;
            }
            sound = std::exchange(m_next, nullptr);
            command = done = m_command;
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
}

bool PulseOutput::WriteOut(const DecodedSound& sound, std::uint64_t command) {
    if (!Connect(sound)) {
        return true; // no server to try again
    }
    const std::size_t piece =
        static_cast<std::size_t>(sound.sampleRate * PieceMilliseconds / 1000 * sound.channels);
    for (std::size_t at = 0; at < sound.samples.size() && !Superseded(command); at += piece) {
        const std::size_t count = std::min(piece, sound.samples.size() - at);
        if (pa_simple_write(m_stream, sound.samples.data() + at, count * sizeof(float), nullptr) <
            0) {
            Disconnect();
            return false;
        }
    }
    return true;
}

bool PulseOutput::Connect(const DecodedSound& sound) {
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

void PulseOutput::Disconnect() {
    if (m_stream != nullptr) {
        pa_simple_free(m_stream);
        m_stream = nullptr;
    }
}

bool PulseOutput::Superseded(std::uint64_t command) {
    const std::lock_guard lock(m_mutex);
    return m_command != command;
}

} // namespace trevallion

#include "pulse/ServerLink.h"

#include "sound/WaveFile.h"

#include <pulse/operation.h>
#include <pulse/proplist.h>

#include <algorithm>
#include <cstdint>
#include <utility>

namespace trevallion {
namespace {

// The stream holds this much ahead of the speaker: enough that a busy machine does not starve
// it, little enough that a Stop silences it without a delay one notices.
constexpr pa_usec_t HeldAheadUsec = 40'000;
// The server asks for more once this much has played.
constexpr pa_usec_t RequestUsec = 10'000;
// A stream that ran dry (which a sound's end is) starts again once this much is there. The
// server would wait for a whole buffer, which a new sound would hear as a late start; each sound
// is also started at once by hand (pa_stream_trigger), whatever it has written.
constexpr pa_usec_t RestartUsec = 10'000;
// An open, running stream keeps the sound card awake; a quiet game lets it sleep.
constexpr std::chrono::seconds IdleStream{10};

void Release(pa_operation* operation) {
    if (operation != nullptr) {
        pa_operation_unref(operation);
    }
}

pa_sample_spec SpecOf(const DecodedSound& sound) {
    return {PA_SAMPLE_FLOAT32NE, static_cast<std::uint32_t>(sound.sampleRate),
            static_cast<std::uint8_t>(sound.channels)};
}

pa_buffer_attr BufferFor(const pa_sample_spec& spec) {
    const auto bytes = [&spec](pa_usec_t usec) {
        return static_cast<std::uint32_t>(pa_usec_to_bytes(usec, &spec));
    };
    const std::uint32_t serverChooses = static_cast<std::uint32_t>(-1);
    return {.maxlength = serverChooses,
            .tlength = bytes(HeldAheadUsec),
            .prebuf = bytes(RestartUsec),
            .minreq = bytes(RequestUsec),
            .fragsize = serverChooses};
}

// One property list, given to a call and freed after it.
class Properties {
  public:
    Properties() : m_list(pa_proplist_new()) {}
    ~Properties() { pa_proplist_free(m_list); }
    Properties(const Properties&) = delete;
    Properties& operator=(const Properties&) = delete;

    Properties& Set(const char* key, const std::string& value) {
        if (!value.empty()) {
            pa_proplist_sets(m_list, key, value.c_str());
        }
        return *this;
    }
    pa_proplist* Get() const { return m_list; }

  private:
    pa_proplist* m_list;
};

} // namespace

ServerLink::ServerLink(pa_mainloop_api* api, StreamNames names)
    : m_api(api), m_names(std::move(names)) {}

ServerLink::~ServerLink() {
    DropStream();
    DropContext();
}

void ServerLink::Play(std::shared_ptr<const DecodedSound> sound) {
    LetFailuresGo();
    m_sound = sound && !sound->samples.empty() ? std::move(sound) : nullptr;
    m_written = 0;
    m_retried = false;
    m_idleSince = std::chrono::steady_clock::now();
    if (m_stream != nullptr && m_sound && !Fits(*m_sound)) {
        DropStream(); // a sound of another format gets a stream of its own
    }
    if (!StreamReady()) {
        return; // Tend connects and opens a stream; the sound starts once it is ready
    }
    Release(pa_stream_flush(m_stream, nullptr, nullptr));
    if (m_corked) {
        Release(pa_stream_cork(m_stream, 0, nullptr, nullptr));
        m_corked = false;
    }
    Write(pa_usec_to_bytes(HeldAheadUsec, &m_spec));
}

int ServerLink::Tend() {
    if (LetFailuresGo() && m_sound) {
        // The server went away under the sound: one that is back already hears it from the top,
        // once.
        m_written = 0;
        if (std::exchange(m_retried, true)) {
            m_sound = nullptr;
        }
    }
    if (m_sound && !m_context) {
        Connect();
    }
    if (m_sound && ContextReady() && !m_stream) {
        OpenStream();
    }
    if (m_sound && StreamReady() && m_written == 0) {
        Write(pa_usec_to_bytes(HeldAheadUsec, &m_spec));
    }
    if (m_sound || !m_idleSince || !StreamReady() || m_corked) {
        return -1;
    }
    const auto left = IdleStream - (std::chrono::steady_clock::now() - *m_idleSince);
    if (left <= std::chrono::steady_clock::duration::zero()) {
        Release(pa_stream_cork(m_stream, 1, nullptr, nullptr));
        m_corked = true;
        return -1;
    }
    return static_cast<int>(std::chrono::ceil<std::chrono::microseconds>(left).count());
}

bool ServerLink::LetFailuresGo() {
    if (m_context != nullptr && !PA_CONTEXT_IS_GOOD(pa_context_get_state(m_context))) {
        const bool lost = m_contextWasReady;
        DropStream();
        DropContext();
        if (!lost) {
            m_sound = nullptr; // no server to be heard on
        }
        return lost;
    }
    if (m_stream != nullptr && !PA_STREAM_IS_GOOD(pa_stream_get_state(m_stream))) {
        DropStream();
        m_sound = nullptr; // refused by a server that still serves: not for this server
    }
    return false;
}

void ServerLink::Connect() {
    Properties properties;
    properties.Set(PA_PROP_APPLICATION_NAME, m_names.application)
        .Set(PA_PROP_APPLICATION_ID, m_names.applicationId)
        .Set(PA_PROP_APPLICATION_ICON_NAME, m_names.iconName);
    m_context = pa_context_new_with_proplist(m_api, m_names.application.c_str(), properties.Get());
    m_contextWasReady = false;
    // A game never starts a sound server of its own: it waits for the desktop's.
    if (m_context == nullptr ||
        pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        DropContext();
        m_sound = nullptr;
    }
}

void ServerLink::OpenStream() {
    m_spec = SpecOf(*m_sound);
    Properties properties;
    properties.Set(PA_PROP_MEDIA_ROLE, m_names.role);
    m_stream = pa_stream_new_with_proplist(m_context, m_names.stream.c_str(), &m_spec, nullptr,
                                           properties.Get());
    if (m_stream == nullptr) {
        m_sound = nullptr; // a format the server cannot take
        return;
    }
    pa_stream_set_write_callback(m_stream, &ServerLink::Wanted, this);
    const pa_buffer_attr buffer = BufferFor(m_spec);
    if (pa_stream_connect_playback(m_stream, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr,
                                   nullptr) < 0) {
        DropStream();
        m_sound = nullptr;
    }
}

void ServerLink::DropStream() {
    if (m_stream != nullptr) {
        pa_stream_set_write_callback(m_stream, nullptr, nullptr);
        pa_stream_disconnect(m_stream);
        pa_stream_unref(m_stream);
        m_stream = nullptr;
        m_corked = false;
    }
}

void ServerLink::DropContext() {
    if (m_context != nullptr) {
        pa_context_disconnect(m_context);
        pa_context_unref(m_context);
        m_context = nullptr;
        m_contextWasReady = false;
    }
}

bool ServerLink::ContextReady() const {
    return m_context != nullptr && pa_context_get_state(m_context) == PA_CONTEXT_READY;
}

bool ServerLink::StreamReady() const {
    return m_stream != nullptr && pa_stream_get_state(m_stream) == PA_STREAM_READY;
}

bool ServerLink::Fits(const DecodedSound& sound) const {
    const pa_sample_spec spec = SpecOf(sound);
    return pa_sample_spec_equal(&spec, &m_spec) != 0;
}

void ServerLink::Write(std::size_t bytes) {
    if (!m_sound || !StreamReady()) {
        return;
    }
    const std::vector<float>& samples = m_sound->samples;
    const std::size_t frame = pa_frame_size(&m_spec);
    const std::size_t left = (samples.size() - m_written) * sizeof(float);
    const std::size_t count = std::min(bytes, left) / frame * frame;
    if (count == 0) {
        return;
    }
    const bool first = m_written == 0;
    if (pa_stream_write(m_stream, samples.data() + m_written, count, nullptr, 0, PA_SEEK_RELATIVE) <
        0) {
        return; // the stream's failure shows in its state, which Tend looks at
    }
    m_written += count / sizeof(float);
    const bool last = m_written == samples.size();
    // The first samples start the sound at once, and the last ones play even if they are fewer
    // than a stream that ran dry waits for.
    if (first || last) {
        Release(pa_stream_trigger(m_stream, nullptr, nullptr));
    }
    if (last) {
        m_sound = nullptr;
        m_idleSince = std::chrono::steady_clock::now();
    }
}

void ServerLink::Wanted(pa_stream* /*stream*/, std::size_t bytes, void* link) {
    static_cast<ServerLink*>(link)->Write(bytes);
}

} // namespace trevallion

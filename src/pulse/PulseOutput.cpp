#include "pulse/PulseOutput.h"

#include "pulse/ServerLink.h"

#include <pulse/mainloop.h>

#include <cstdint>
#include <mutex>
#include <optional>
#include <utility>

#include <sys/eventfd.h>
#include <unistd.h>

namespace trevallion {

struct OutputCommands {
    std::mutex mutex;                         // guards the three below
    std::shared_ptr<const DecodedSound> next; // to play; empty to be silent
    std::uint64_t command = 0;                // counts Play and Stop calls
    bool quit = false;
    // Written to after each command, so that the thread's loop wakes for it: it stays readable
    // until the thread has read it, so no command made while the thread is busy is missed.
    int wake = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    pa_mainloop* loop = pa_mainloop_new();

    ~OutputCommands() {
        if (loop != nullptr) {
            pa_mainloop_free(loop);
        }
        if (wake >= 0) {
            ::close(wake);
        }
    }

    void Wake() const {
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t written = ::write(wake, &one, sizeof one);
    }
};

namespace {

void Woken(pa_mainloop_api* /*api*/, pa_io_event* /*event*/, int fd, pa_io_event_flags_t /*flags*/,
           void* /*data*/) {
    std::uint64_t count = 0;
    [[maybe_unused]] const ssize_t read = ::read(fd, &count, sizeof count);
}

// The thread: each round takes the latest command, lets the link act, and sleeps until the
// server, a command or the link's own clock wakes it.
void Run(OutputCommands& shared, StreamNames names) {
    pa_mainloop_api* api = pa_mainloop_get_api(shared.loop);
    pa_io_event* woken = api->io_new(api, shared.wake, PA_IO_EVENT_INPUT, &Woken, nullptr);
    {
        ServerLink link(api, std::move(names));
        std::uint64_t done = 0;
        for (;;) {
            std::optional<std::shared_ptr<const DecodedSound>> command;
            {
                const std::lock_guard lock(shared.mutex);
                if (shared.quit) {
                    break;
                }
                if (shared.command != done) {
                    done = shared.command;
                    command = std::exchange(shared.next, nullptr);
                }
            }
            if (command) {
                link.Play(std::move(*command));
            }
            if (pa_mainloop_prepare(shared.loop, link.Tend()) < 0 ||
                pa_mainloop_poll(shared.loop) < 0 || pa_mainloop_dispatch(shared.loop) < 0) {
                break;
            }
        }
    }
    api->io_free(woken);
}

} // namespace

PulseOutput::PulseOutput(StreamNames names) : m_commands(std::make_unique<OutputCommands>()) {
    if (m_commands->loop != nullptr && m_commands->wake >= 0) {
        m_thread = std::thread([commands = m_commands.get(), names = std::move(names)]() mutable {
            Run(*commands, std::move(names));
        });
    }
}

PulseOutput::~PulseOutput() {
    {
        const std::lock_guard lock(m_commands->mutex);
        m_commands->quit = true;
    }
    m_commands->Wake();
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

void PulseOutput::Play(std::shared_ptr<const DecodedSound> sound) {
    {
        const std::lock_guard lock(m_commands->mutex);
        m_commands->next = std::move(sound);
        ++m_commands->command;
    }
    m_commands->Wake();
}

void PulseOutput::Stop() {
    Play(nullptr);
}

} // namespace trevallion

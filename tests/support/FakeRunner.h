#pragma once

#include "play/WorkerRunner.h"

#include <functional>
#include <semaphore>
#include <thread>

namespace trevallion::testing {

// Runs a computer player's work in one of the ways a test needs.
class FakeRunner : public WorkerRunner {
  public:
    enum class Mode {
        Inline,   // at once, before Start returns: a deterministic game
        Threaded, // on a real thread, as the game does
        Held,     // on a real thread that waits until Release (or Join)
        Failing,  // no thread can be started
        Lost,     // taken and never run, as by a program killed before it ran
    };

    ~FakeRunner() override { Join(); }

    bool Start(std::function<void()> work) override {
        ++started;
        if (m_thread.joinable()) {
            ++overlapping; // a second worker while the first is still there
            return false;
        }
        switch (mode) {
        case Mode::Inline:
            work();
            return true;
        case Mode::Threaded:
            m_thread = std::thread(std::move(work));
            return true;
        case Mode::Held:
            m_held = true;
            m_thread = std::thread([this, work = std::move(work)] {
                m_gate.acquire();
                work();
            });
            return true;
        case Mode::Failing:
            return false;
        case Mode::Lost:
            return true;
        }
        return false;
    }

    void Join() override {
        if (whileJoining && m_thread.joinable()) {
            whileJoining();
        }
        Release();
        if (m_thread.joinable()) {
            m_thread.join();
        }
    }

    // Lets a held worker run.
    void Release() {
        if (m_held) {
            m_held = false;
            m_gate.release();
        }
    }

    // Whether a worker thread is there to be joined.
    bool Running() const { return m_thread.joinable(); }

    Mode mode = Mode::Inline;
    int started = 0;
    int overlapping = 0;
    // Runs at the start of a wait for a worker, as an event arriving meanwhile would.
    std::function<void()> whileJoining;

  private:
    std::thread m_thread;
    std::binary_semaphore m_gate{0};
    bool m_held = false;
};

} // namespace trevallion::testing

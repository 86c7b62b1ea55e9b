#pragma once

#include <functional>
#include <thread>

namespace trevallion {

// Starts and joins the one thread a computer player thinks on. The game runs real threads;
// tests swap in runners that work inline, hold the work until released, or fail to start.
class WorkerRunner {
  public:
    virtual ~WorkerRunner() = default;

    // Runs `work` on a thread of its own and returns at once; false when no thread could be
    // started. The thread of an earlier Start has been joined first.
    virtual bool Start(std::function<void()> work) = 0;

    // Waits until the thread of the last Start, if any, has ended.
    virtual void Join() = 0;
};

// The game's runner: one std::jthread at a time.
class ThreadRunner final : public WorkerRunner {
  public:
    ~ThreadRunner() override { Join(); }

    bool Start(std::function<void()> work) override;
    void Join() override;

  private:
    std::jthread m_thread;
};

} // namespace trevallion

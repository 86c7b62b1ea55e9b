#include "play/WorkerRunner.h"

#include <system_error>

namespace trevallion {

bool ThreadRunner::Start(std::function<void()> work) {
    Join();
    try {
        m_thread = std::jthread(std::move(work));
    } catch (const std::system_error&) {
        return false;
    }
    return true;
}

void ThreadRunner::Join() {
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

} // namespace trevallion

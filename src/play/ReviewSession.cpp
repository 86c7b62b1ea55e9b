#include "play/ReviewSession.h"

#include <array>
#include <atomic>
#include <utility>

namespace trevallion {

// What the review thread and the window's thread share: the game (read by the thread until it
// has finished), the control both look at, and the answer, written before `finished` is raised.
struct ReviewSession::Job {
    ReviewedGame game;
    ExpertBudget budget;
    ReviewControl control;
    std::optional<GameReview> review;
    std::atomic<bool> finished{false};
};

bool ReviewSession::Start(ReviewedGame game, const ExpertBudget& budget) {
    Cancel();
    auto job = std::make_shared<Job>();
    job->game = std::move(game);
    job->budget = budget;
    const bool started = m_runner.Start([job] {
        // AI Expert's tables are made on the review's thread, not the window's.
        std::array<ExpertSearch, 2> searches;
        ExpertSearch* const experts[] = {&searches[0], &searches[1]};
        job->review = ReviewGame(job->game.start, job->game.sideToMove, job->game.turns,
                                 job->budget, job->control, experts);
        job->finished.store(true, std::memory_order_release);
    });
    if (started) {
        m_job = std::move(job);
    }
    return started;
}

std::size_t ReviewSession::Done() const {
    return m_job ? m_job->control.positionsDone.load(std::memory_order_relaxed) : 0;
}

std::size_t ReviewSession::Total() const {
    return m_job ? m_job->game.turns.size() + 1 : 0;
}

std::optional<ReviewedGame> ReviewSession::TakeFinished() {
    if (!m_job || !m_job->finished.load(std::memory_order_acquire)) {
        return std::nullopt;
    }
    m_runner.Join();
    const std::shared_ptr<Job> job = std::exchange(m_job, nullptr);
    if (!job->review) {
        return std::nullopt;
    }
    job->game.review = std::move(*job->review);
    return std::move(job->game);
}

void ReviewSession::Cancel() {
    if (m_job) {
        m_job->control.cancel.store(true);
        m_runner.Join();
        m_job.reset();
    }
}

} // namespace trevallion

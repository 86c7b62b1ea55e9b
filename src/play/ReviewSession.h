#pragma once

#include "play/MoveListing.h"
#include "play/WorkerRunner.h"
#include "review/ReviewPositions.h"

#include <memory>
#include <optional>

namespace trevallion {

// A review of the level's game under way on a thread of its own, which asks AI Expert about
// every position on both cores; the window's thread looks in on it now and then, never waiting
// for it, and may cancel it at any time.
class ReviewSession {
  public:
    // How long AI Expert thinks about each position: 61 positions on two cores stay under ten
    // seconds.
    static constexpr ExpertBudget Budget{std::chrono::milliseconds(250), 0};

    explicit ReviewSession(WorkerRunner& runner) : m_runner(runner) {}
    ~ReviewSession() { Cancel(); }
    ReviewSession(const ReviewSession&) = delete;
    ReviewSession& operator=(const ReviewSession&) = delete;

    // Starts reviewing `game` (its review is filled in when done); false when no thread could
    // be started.
    bool Start(ReviewedGame game, const ExpertBudget& budget = Budget);
    bool Running() const { return m_job != nullptr; }
    // The positions analysed so far, and how many there are.
    std::size_t Done() const;
    std::size_t Total() const;
    // The finished review, taken once; nothing while it runs, or when it could not be done.
    // Once taken (or cancelled) the session is free for the next.
    std::optional<ReviewedGame> TakeFinished();
    // Stops a review under way and joins its thread.
    void Cancel();

  private:
    struct Job;
    WorkerRunner& m_runner;
    std::shared_ptr<Job> m_job;
};

} // namespace trevallion

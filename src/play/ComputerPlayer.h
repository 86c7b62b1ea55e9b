#pragma once

#include "ai/ExpertSearch.h"
#include "ai/SearchContext.h"
#include "ai/Strength.h"
#include "play/WorkerRunner.h"
#include "rules/Board.h"
#include "rules/PositionKey.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace trevallion {

// The stage of the hand-off between the window's thread and a computer player's worker.
enum class ComputerState : std::int32_t { Idle = 0, Thinking = 1, MoveReady = 2 };

// A computer player's thinking: one worker thread at a time, which searches its own copy of the
// position and hands its move back to the window's thread. The window's thread never waits for
// it except in Stop, which abandons the search and joins the thread: the engine unwinds within
// microseconds of the flag, so nothing else needs to run meanwhile.
// What a computer player plays on its turn: a move, or none when its side cannot move.
struct ComputerChoice {
    std::optional<Move> move;
};

class ComputerPlayer {
  public:
    explicit ComputerPlayer(WorkerRunner& runner);
    // Abandons a search under way and joins its thread.
    ~ComputerPlayer();

    ComputerPlayer(const ComputerPlayer&) = delete;
    ComputerPlayer& operator=(const ComputerPlayer&) = delete;

    ComputerState State() const { return m_computerState.load(std::memory_order_acquire); }

    // From Idle: starts thinking for `side` at the strength of `type` on a copy of `board`;
    // AI Expert also gets a copy of `seen`, the keys of the level's positions so far, oldest
    // first and the current one last, so that it knows a position it would repeat. The result
    // carries `position`, the caller's number for this position, so that it can tell a move
    // worked out for an earlier position. When no thread can be started the player is at once
    // ready with no move of its own.
    void Start(Side side, PlayerType type, const Board& board, std::uint64_t position,
               std::span<const PositionKey> seen);

    // The turn of a finished search, once, when it was worked out for `side` on the position
    // the caller numbers `position`; a search for an earlier position is dropped. The player is
    // Idle again afterwards. A search that found nothing better than a loss plays the first
    // move there is on `board`, and a side that cannot move at all passes (a turn of no move).
    std::optional<ComputerChoice> TakeChoice(Side side, const Board& board, std::uint64_t position);

    // Abandons a search under way, waits for its thread and drops any result: the player is
    // Idle afterwards, and no move of the abandoned search can ever be taken.
    void Stop();

  private:
    // The worker's whole job: the strength's search, then the hand-off.
    void Think(Side side, PlayerType type, const Board& board,
               const std::vector<PositionKey>& seen);
    std::optional<Move> ExpertMove(Side side, const Board& board,
                                   const std::vector<PositionKey>& seen);

    WorkerRunner& m_runner;
    // AI Expert's search, with the tables it keeps from move to move. It is made by the first
    // worker that plays AI Expert, so that neither the window's thread nor a player who never
    // chooses AI Expert pays for its tables, and kept from then on; only one worker at a time
    // uses it, and each is joined before the next starts.
    std::unique_ptr<ExpertSearch> m_expert;

    std::atomic<ComputerState> m_computerState{ComputerState::Idle};
    // Raised by Stop to make a running search return at once.
    std::atomic<bool> m_abortSearch{false};
    // Written by the worker before it publishes MoveReady (a release store), read by the
    // window's thread after it has seen MoveReady (an acquire load).
    std::optional<Move> m_computerMove;
    Side m_finishedSide = Side::PlayerOne;
    OrderingMode m_orderingMode = OrderingMode::CapturesFirst;
    // Written by the window's thread before the worker starts.
    std::uint64_t m_position = 0;
};

} // namespace trevallion

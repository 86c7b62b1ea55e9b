#pragma once

#include "rules/Board.h"
#include "rules/MoveList.h"
#include "rules/PositionKey.h"
#include "rules/Side.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <optional>
#include <span>

namespace trevallion {

// How long AI Expert may think about one move: a time, and (for tests and tools that want the
// same answer on every run) a number of nodes. Whichever runs out first ends the search; a
// limit of zero nodes means no limit on nodes.
//
// The game's own budget is both: the nodes, so that AI Expert plays the same on every machine
// fast enough to search them in time (about a tenth of a second on the level starts on two busy
// cores; the ladder's results in the README are on this budget), and a second at most, so that a
// slow or busy machine still answers soon.
struct ExpertBudget {
    std::chrono::milliseconds time{1000};
    std::uint64_t nodes = 200'000;
};

// What AI Expert chose: its move (none only when the side cannot move at all and passes), the
// move's score from the side's point of view, the nodes it searched and the deepest search it
// finished. The score counts as the other strengths' do (ai/SearchContext.h): points of
// material, a cross two, and WinningScore less the plies for a level won within the search's
// sight (LosingScore plus the plies for one lost), so that no count of material comes near a
// decided level.
struct ExpertAnswer {
    std::optional<Move> move;
    int score = 0;
    std::uint64_t nodes = 0;
    int depth = 0;
};

// AI Expert, the computer player that plays to win. Its tables are made once, when it is made,
// and reused by every search, so a search allocates nothing. One object serves one thread at a
// time.
class ExpertSearch {
  public:
    ExpertSearch();
    ~ExpertSearch();
    ExpertSearch(const ExpertSearch&) = delete;
    ExpertSearch& operator=(const ExpertSearch&) = delete;

    // The move for `side` on `board`. `seen` holds the keys of the positions of the level so
    // far, oldest first, the current one last. A search stops soon after `abort` is raised;
    // its answer is then of no use.
    ExpertAnswer Choose(const Board& board, Side side, std::span<const PositionKey> seen,
                        const ExpertBudget& budget, const std::atomic<bool>& abort);

  private:
    struct Tables;
    Tables* m_tables;
};

} // namespace trevallion

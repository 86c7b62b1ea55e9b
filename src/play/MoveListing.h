#pragma once

#include "players/PlayerType.h"
#include "match/Match.h"
#include "review/GameReview.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace trevallion {

// One turn of the level as the move list shows it: its number in a record, the side and who
// plays that side, the turn in the game's notation ("b2xc3", "pass"), and what a review found.
struct MoveListEntry {
    int number = 1;
    Side side = Side::PlayerOne;
    PlayerType player = PlayerType::Human;
    std::string turn;
    Slip slip = Slip::None;
    std::string better; // the move AI Expert preferred, when the turn slipped

    friend bool operator==(const MoveListEntry&, const MoveListEntry&) = default;
};

// The level's turns, those played and those taken back that Redo would play again, in the
// order of the game; the first `current` of them are on the board. `balance` is who stood
// better before each reviewed turn and after the last (Player 1's score), empty until a review
// of these turns is done.
struct MoveListing {
    std::vector<MoveListEntry> entries;
    std::size_t current = 0;
    std::vector<int> balance;

    friend bool operator==(const MoveListing&, const MoveListing&) = default;
};

// A finished review and the game it judged: it marks the turns only while the level's line of
// turns still begins with that game.
struct ReviewedGame {
    Board start;
    Side sideToMove = Side::PlayerOne;
    std::vector<std::optional<Move>> turns;
    GameReview review;
};

// The move list of `match`, marked by `reviewed` where it still fits the line.
MoveListing ListMoves(const Match& match, const std::optional<ReviewedGame>& reviewed);

} // namespace trevallion

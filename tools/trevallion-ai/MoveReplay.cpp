#include "MoveReplay.h"

#include "MessageText.h"

#include "record/TurnCheck.h"
#include "rules/ApplyMove.h"
#include "rules/Winner.h"

namespace trevallion {
namespace {

std::optional<Move> ParseStep(std::string_view text) {
    if (text.size() != 4) {
        return std::nullopt;
    }
    int coordinates[4];
    for (int i = 0; i < 4; ++i) {
        if (text[i] < '0' || text[i] >= '0' + BoardSize) {
            return std::nullopt;
        }
        coordinates[i] = text[i] - '0';
    }
    return Move{{coordinates[0], coordinates[1]}, {coordinates[2], coordinates[3]}};
}

std::string MoveText(const ListedMove& move) {
    if (!move) {
        return "pass";
    }
    return std::to_string(move->from.x) + std::to_string(move->from.y) +
           std::to_string(move->to.x) + std::to_string(move->to.y);
}

std::string Named(std::size_t index, const ListedMove& move) {
    return "move " + std::to_string(index + 1) + " (" + MoveText(move) + ")";
}

std::string PlayerName(Side side) {
    return "Player " + std::to_string(SideNumber(side));
}

} // namespace

ParsedMoves ParseMoveList(std::string_view text) {
    ParsedMoves parsed;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        const std::string_view entry = text.substr(start, comma - start);
        const std::optional<Move> step = ParseStep(entry);
        if (!step && entry != "pass") {
            parsed.error = "move " + std::to_string(parsed.moves.size() + 1) + " of --moves, " +
                           QuotedPrefix(entry) +
                           ", is neither four coordinates 0 to 6, as 6655, nor pass";
            parsed.moves.clear();
            return parsed;
        }
        parsed.moves.push_back(step);
        if (comma == std::string_view::npos) {
            return parsed;
        }
        start = comma + 1;
    }
}

std::string MoveListText(const std::vector<ListedMove>& moves) {
    std::string text;
    for (const ListedMove& move : moves) {
        text += (text.empty() ? "" : ",") + MoveText(move);
    }
    return text;
}

ReplayedGame ReplayMoves(const Board& start, const std::vector<ListedMove>& moves) {
    ReplayedGame game{start, Side::PlayerOne, {KeyOf(start, Side::PlayerOne)}, ""};
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const ListedMove& move = moves[i];
        switch (CheckTurn(game.board, game.side, move)) {
        case TurnVerdict::Allowed:
            break;
        case TurnVerdict::AfterDecided:
            game.error = Named(i, move) + " comes after " +
                         PlayerName(FindWinner(game.board).value()) + " has won";
            return game;
        case TurnVerdict::PassWithMove:
            game.error =
                Named(i, move) + ": " + PlayerName(game.side) + " can move, so cannot pass";
            return game;
        case TurnVerdict::IllegalMove:
            game.error = Named(i, move) + " is not a step " + PlayerName(game.side) + " may make";
            return game;
        }
        PositionKey key = game.seen.back();
        if (move) {
            key = KeyAfter(key, game.board, *move);
            ApplyMove(game.board, *move);
        } else {
            key = KeyAfterPass(key);
        }
        game.side = OtherSide(game.side);
        game.seen.push_back(key);
    }
    return game;
}

} // namespace trevallion

// make-fuzz-seeds FOLDER: writes the saved-game fuzzer's seeds into FOLDER, a few saved games
// that the game loads and a few that it refuses, each named for what it holds.

#include "FuzzActions.h"
#include "levels/LevelLayouts.h"
#include "players/PlayerType.h"
#include "rules/GenerateMoves.h"
#include "savegame/SavedGameRecord.h"

#include <cstdint>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

using namespace trevallion;
using Bytes = std::vector<std::uint8_t>;

Bytes Encoded(const SavedGameRecord& record) {
    const RecordBytes bytes = EncodeRecord(record);
    return Bytes(bytes.begin(), bytes.end());
}

// A game at the start of `level` with `side` to move, Player 2 set to AI Medium.
SavedGameRecord LevelStart(int level, Side side) {
    return {SaveFormatVersion,
            SideNumber(side),
            PlayerTypeNumber(PlayerType::Human),
            PlayerTypeNumber(PlayerType::AiMedium),
            SideNumber(side),
            level,
            LayoutToBoard(LevelLayout(level))};
}

// Appends the clicks of `side`'s first listed move and plays it on `board`.
void AppendFirstMove(Board& board, Side side, Bytes& actions) {
    MoveList list;
    ClearMoveList(list);
    GenerateMoves(board, list, side, OrderingMode::CapturesFirst);
    const MoveRecord& move = list[0];
    actions.push_back(static_cast<std::uint8_t>(CellIndex({move.from.x, move.from.y})));
    actions.push_back(static_cast<std::uint8_t>(CellIndex({move.to.x, move.to.y})));
    board.At({move.to.x, move.to.y}) = board.At({move.from.x, move.from.y});
    board.At({move.from.x, move.from.y}) = Empty;
}

bool Write(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::cerr << "make-fuzz-seeds: cannot write " << path << '\n';
    }
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make-fuzz-seeds FOLDER\n";
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    const SavedGameRecord level12 = LevelStart(12, Side::PlayerTwo);

    // Player 1 moves, Player 2 turns AI Easy and answers on two ticks, and the game is saved.
    const SavedGameRecord level3 = LevelStart(3, Side::PlayerOne);
    Bytes played = Encoded(level3);
    Board board = level3.board;
    AppendFirstMove(board, Side::PlayerOne, played);
    played.insert(played.end(),
                  {fuzz::PlayerTwoEasy, fuzz::Tick, fuzz::Tick, fuzz::SaveAndLoadBack});

    // Player 1 picks the piece at (4, 5) and hands the move to AI Easy, which plays another
    // piece; Player 2 then clicks where the picked piece could step, which must not move it.
    Bytes handover = Encoded(LevelStart(1, Side::PlayerOne));
    handover.insert(handover.end(), {CellIndex({4, 5}), fuzz::PlayerOneEasy, fuzz::Tick, fuzz::Tick,
                                     CellIndex({5, 4})});

    // AI Expert plays Player 1.
    SavedGameRecord expert = level12;
    expert.playerOneType = PlayerTypeNumber(PlayerType::AiExpert);
    expert.playerTwoType = PlayerTypeNumber(PlayerType::Human);

    // Two humans shuffle a bar each to and fro: the start comes up for the third time after eight
    // turns, and the player is told.
    SavedGameRecord shuffleStart = LevelStart(3, Side::PlayerOne);
    shuffleStart.playerTwoType = PlayerTypeNumber(PlayerType::Human);
    shuffleStart.board = Board{};
    for (const auto& [cell, code] : {std::pair{Cell{0, 0}, 22},
                                     {Cell{2, 0}, Wall},
                                     {Cell{6, 0}, PlayerTwoKing},
                                     {Cell{0, 6}, 9},
                                     {Cell{2, 6}, Wall},
                                     {Cell{6, 6}, PlayerOneKing}}) {
        shuffleStart.board.At(cell) = code;
    }
    Bytes shuffle = Encoded(shuffleStart);
    for (int round = 0; round < 2; ++round) {
        for (const auto& [from, to] : {std::pair{Cell{0, 6}, Cell{1, 6}},
                                       {Cell{0, 0}, Cell{1, 0}},
                                       {Cell{1, 6}, Cell{0, 6}},
                                       {Cell{1, 0}, Cell{0, 0}}}) {
            shuffle.push_back(static_cast<std::uint8_t>(CellIndex(from)));
            shuffle.push_back(static_cast<std::uint8_t>(CellIndex(to)));
        }
    }

    SavedGameRecord otherVersion = level12;
    otherVersion.version = 1;
    SavedGameRecord badSide = level12;
    badSide.sideToMove = 3;
    SavedGameRecord badCode = level12;
    badCode.board.At({3, 3}) = LastCode + 1;
    Bytes cut = Encoded(level12);
    cut.resize(100);

    const bool ok = Write(folder + "level12.tvx", Encoded(level12)) &&
                    Write(folder + "level3-played.tvx", played) &&
                    Write(folder + "level1-handover.tvx", handover) &&
                    Write(folder + "level12-expert.tvx", Encoded(expert)) &&
                    Write(folder + "shuffle-repeated.tvx", shuffle) &&
                    Write(folder + "version1.tvx", Encoded(otherVersion)) &&
                    Write(folder + "side3.tvx", Encoded(badSide)) &&
                    Write(folder + "code28.tvx", Encoded(badCode)) &&
                    Write(folder + "cut-short.tvx", cut) && Write(folder + "empty.tvx", {});
    return ok ? 0 : 1;
}

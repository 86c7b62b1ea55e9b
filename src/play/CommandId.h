#pragma once

#include "players/PlayerType.h"
#include "rules/Side.h"

namespace trevallion {

// The menu commands the game handles, by their command numbers.
enum class CommandId : int {
    LoadGame = 32796,
    SaveGame = 32797,
    Level1 = 32772,
    Level5 = 32773,
    Level10 = 32774,
    Level20 = 32788,
    Level40 = 32789,
    RestartLevel = 32787,
    LifeDoodle = 32786,
    PlayerOneHuman = 32776,
    PlayerOneEasy = 32777,
    PlayerOneMedium = 32778,
    PlayerOneDifficult = 32779,
    PlayerTwoHuman = 32780,
    PlayerTwoEasy = 32781,
    PlayerTwoMedium = 32782,
    PlayerTwoDifficult = 32783,
    SoundOn = 32793,
    SoundOff = 32794,
    Instructions = 32784,
    About = 32785,
    // The play aids.
    ChooseLevel = 32800,
    UndoMove = 32801,
    RedoMove = 32802,
    ShowMoves = 32803,
    Hint = 32804,
    // What the game keeps between runs.
    ContinueGame = 32805,
    Statistics = 32806,
    // How the board is drawn: Options › Board Colours › Dark, Light and As the Desktop.
    DarkBoard = 32807,
    HighContrast = 32808,
    // Switches the window alone acts on.
    AnimateMoves = 32809,
    StatusLine = 32810,
    // The fourth computer strength.
    PlayerOneExpert = 32811,
    PlayerTwoExpert = 32812,
    // The rule that ends a level played round in circles.
    DrawByRepetition = 32813,
    // The level's turns: the move list beside the board, game records and the review.
    MoveList = 32814,
    ExportRecord = 32815,
    ImportRecord = 32816,
    ReviewGame = 32817,
    // Board Colours' other two choices, beside Dark (DarkBoard).
    BoardLight = 32818,
    BoardAsDesktop = 32819,
};

// The Player menu item that makes `side` a player of `type`. The items of the first four types
// are numbered in their order; AI Expert's came later.
constexpr CommandId PlayerCommand(Side side, PlayerType type) {
    if (type == PlayerType::AiExpert) {
        return side == Side::PlayerOne ? CommandId::PlayerOneExpert : CommandId::PlayerTwoExpert;
    }
    const int first = static_cast<int>(side == Side::PlayerOne ? CommandId::PlayerOneHuman
                                                               : CommandId::PlayerTwoHuman);
    return static_cast<CommandId>(first + PlayerTypeNumber(type));
}

} // namespace trevallion

#pragma once

#include "match/Match.h"
#include "play/BoardColours.h"
#include "play/CommandId.h"
#include "play/GameView.h"
#include "play/MoveListing.h"
#include "play/OptionSwitches.h"
#include "play/ShownText.h"

#include <array>
#include <cstddef>
#include <optional>

namespace trevallion {

// The menu items whose check mark the game decides, in the order the window is told of them:
// the sound, the two Player menus, then the Options menu from top to bottom.
inline constexpr auto CheckedItems = std::to_array<CommandId>({
    CommandId::SoundOn,         CommandId::SoundOff,           CommandId::PlayerOneHuman,
    CommandId::PlayerOneEasy,   CommandId::PlayerOneMedium,    CommandId::PlayerOneDifficult,
    CommandId::PlayerOneExpert, CommandId::PlayerTwoHuman,     CommandId::PlayerTwoEasy,
    CommandId::PlayerTwoMedium, CommandId::PlayerTwoDifficult, CommandId::PlayerTwoExpert,
    CommandId::ShowMoves,       CommandId::BoardLight,         CommandId::DarkBoard,
    CommandId::BoardAsDesktop,  CommandId::HighContrast,       CommandId::AnimateMoves,
    CommandId::StatusLine,      CommandId::DrawByRepetition,   CommandId::MoveList,
});

// The menu items the game makes available or not, in the order the window is told of them.
// Every other item is always available.
inline constexpr auto EnabledItems = std::to_array<CommandId>({
    CommandId::AnimateMoves,
    CommandId::UndoMove,
    CommandId::RedoMove,
    CommandId::Hint,
    CommandId::ReviewGame,
    CommandId::ExportRecord,
    CommandId::ContinueGame,
});

// One flag for each item of a fixed list of menu items: a plain value, no map to allocate.
template <const auto& Items> class MenuFlags {
  public:
    static constexpr std::size_t Count = Items.size();

    // An item not on the list is a fault of the caller: at() throws.
    bool Of(CommandId item) const { return m_flags.at(IndexOf(item)); }
    void Set(CommandId item, bool on) { m_flags.at(IndexOf(item)) = on; }
    // The flag of the i-th item of the list.
    bool At(std::size_t i) const { return m_flags.at(i); }

    friend bool operator==(const MenuFlags&, const MenuFlags&) = default;

  private:
    static constexpr std::size_t IndexOf(CommandId item) {
        std::size_t i = 0;
        while (i < Count && Items[i] != item) {
            ++i;
        }
        return i;
    }

    std::array<bool, Count> m_flags{};
};

// Everything the window shows that is state rather than event: what follows from the match, the
// player's choices and the desktop at any moment, whatever led there. The tiles, the sounds, the
// slides and the boxes are told as they happen instead, and so is "Please Wait...", the title of
// the moment a search takes to stop.
struct ScreenState {
    CursorSide cursor = CursorSide::Neutral;
    MenuFlags<CheckedItems> checked;
    // The board as drawn, and whether moves told from now on slide.
    BoardLook look;
    MoveMotion motion = MoveMotion::Jump;
    Panes panes;
    BoardMarks marks;
    MenuFlags<EnabledItems> enabled;
    MoveListing listing;
    ShownText title;
    ShownText status;

    friend bool operator==(const ScreenState&, const ScreenState&) = default;
};

// What the screen follows besides the match: whose turn the pointer shows, the player's choices,
// the desktop's facts, whether a game is kept on disk for Continue Game, the review of the
// level's turns, and whether the player has been shown that a decided level is over.
struct ScreenInputs {
    CursorSide cursor = CursorSide::Neutral;
    OptionStates options;
    bool soundOn = true;
    BoardColours colours = BoardColours::AsDesktop;
    DesktopFacts desktop;
    bool gameKept = false;
    bool reviewRunning = false;
    bool levelOverShown = false;
};

// The screen for `match` as `inputs` and a finished review (`reviewed`) make it.
ScreenState ScreenOf(const Match& match, const ScreenInputs& inputs,
                     const std::optional<ReviewedGame>& reviewed);

} // namespace trevallion

#pragma once

#include "match/Match.h"
#include "play/BoardColours.h"
#include "play/CommandId.h"
#include "play/EffectPlayer.h"
#include "play/GameView.h"
#include "play/OptionSwitches.h"
#include "play/SettingsStore.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace trevallion {

// Who makes a choice of the menus: the player, whose choice is stored and may be refused, or
// start-up, which applies the stored settings as they are.
enum class ChoiceBy { Player, StoredSettings };

// The player's choices in the Player and Options menus, and the settings that remember them
// between runs: what plays each side, sound on or off, the Options switches and the board's
// colours. What a choice changes on the screen follows from it when the screen is presented.
class MenuChoices {
  public:
    MenuChoices(GameView& view, SettingsStore& settings, Match& match, EffectPlayer& effects)
        : m_view(view), m_settings(settings), m_match(match), m_effects(effects) {}

    // Start-up applies the stored choices as if they were made from the menus, without storing
    // the Options switches again: a player who never used an item finds no setting.
    void ApplyStored();

    // A Player menu item: makes `side` a player of `type` unless the other side is already a
    // computer player. Returns the refusal's text key in that case, for the caller's box.
    std::optional<std::string_view> ChoosePlayer(Side side, PlayerType type,
                                                 ChoiceBy by = ChoiceBy::Player);
    // A saved game's player for `side`, through the Player menu's rule; a number no item names
    // changes nothing.
    std::optional<std::string_view> ChooseSavedPlayer(Side side, std::int32_t type);

    // Sound on or off, and stored.
    void SwitchSound(bool on);
    // An Options switch turned over by the player, and stored.
    void TurnOver(CommandId item);
    // Options › Board Colours, stored.
    void ChooseColours(BoardColours colours);

    const OptionStates& Options() const { return m_options; }
    BoardColours Colours() const { return m_colours; }

  private:
    void SwitchOption(CommandId item, bool on, ChoiceBy by);

    GameView& m_view;
    SettingsStore& m_settings;
    Match& m_match;
    EffectPlayer& m_effects;
    OptionStates m_options;
    BoardColours m_colours = BoardColours::AsDesktop;
};

} // namespace trevallion

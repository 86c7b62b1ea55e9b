#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace trevallion {

// The sound effects, by the index the game passes when something happens.
enum class Effect : std::int32_t {
    Ambient = 0,      // a level command
    Win = 1,          // a level won by a human player
    Lose = 2,         // a level won by a computer player
    Capture = 3,      // a piece taken, or a Life Doodle cell brought to life
    Jingle = 4,       // the About window
    Startup = 5,      // start-up, and the way past the last level
    Instructions = 6, // the Instructions window
};

inline constexpr Effect AllEffects[] = {Effect::Ambient,     Effect::Win,    Effect::Lose,
                                        Effect::Capture,     Effect::Jingle, Effect::Startup,
                                        Effect::Instructions};

// Every file the effects play, each once, named relative to the game's data folder.
std::vector<std::string_view> AllSoundFiles();

// Chooses the file of an effect. Repeated events rotate through their variants so that they do
// not always sound the same; for captures the order of rotation depends on the level. Files
// are named relative to the game's data folder.
class SoundChooser {
  public:
    // Advances the effect's counter, if it has one, and returns its file.
    std::string_view NextFile(Effect effect, std::int32_t level);

  private:
    // Each counter is 0 at start, then cycles 1..3 (ambient, win), 1..2 (lose) or 1..6 (capture).
    std::int32_t m_ambientTurn = 0;
    std::int32_t m_winTurn = 0;
    std::int32_t m_loseTurn = 0;
    std::int32_t m_captureTurn = 0;
};

} // namespace trevallion

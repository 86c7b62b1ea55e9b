#include "sound/SoundEffects.h"

#include <span>

namespace trevallion {
namespace {

constexpr std::string_view Ambient[] = {"sounds/ambient1.wav", "sounds/ambient2.wav",
                                        "sounds/ambient3.wav"};
constexpr std::string_view Win[] = {"sounds/win1.wav", "sounds/win2.wav", "sounds/win3.wav"};
constexpr std::string_view Lose[] = {"sounds/lose1.wav", "sounds/lose2.wav"};
constexpr std::string_view Capture[] = {"sounds/capture1.wav", "sounds/capture2.wav",
                                        "sounds/capture3.wav", "sounds/capture4.wav",
                                        "sounds/capture5.wav", "sounds/capture6.wav"};

constexpr std::string_view Single[] = {"sounds/qmv.wav", "sounds/startup.wav",
                                       "sounds/instructions.wav"};

// Which capture file each turn of the rotation plays, in three bands of levels.
constexpr int CaptureOrder[3][6] = {
    {1, 2, 3, 4, 5, 6}, // levels below 15
    {5, 6, 4, 3, 2, 1}, // levels 15 to 24
    {3, 2, 1, 6, 5, 4}, // levels 25 and above
};

// Counts 1, 2, ... variants, then starts again at 1.
std::int32_t Advance(std::int32_t& turn, std::int32_t variants) {
    ++turn;
    if (turn == variants + 1) {
        turn = 1;
    }
    return turn;
}

} // namespace

std::vector<std::string_view> AllSoundFiles() {
    using Group = std::span<const std::string_view>;
    std::vector<std::string_view> files;
    for (const Group group :
         {Group(Ambient), Group(Win), Group(Lose), Group(Capture), Group(Single)}) {
        files.insert(files.end(), group.begin(), group.end());
    }
    return files;
}

std::string_view SoundChooser::NextFile(Effect effect, std::int32_t level) {
    switch (effect) {
    case Effect::Ambient:
        return Ambient[Advance(m_ambientTurn, 3) - 1];
    case Effect::Win:
        return Win[Advance(m_winTurn, 3) - 1];
    case Effect::Lose:
        return Lose[Advance(m_loseTurn, 2) - 1];
    case Effect::Capture: {
        const int band = level < 15 ? 0 : level < 25 ? 1 : 2;
        return Capture[CaptureOrder[band][Advance(m_captureTurn, 6) - 1] - 1];
    }
    case Effect::Jingle:
        return Single[0];
    case Effect::Startup:
        return Single[1];
    case Effect::Instructions:
        return Single[2];
    }
    return {};
}

} // namespace trevallion

#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace trevallion::sounds {

struct ComposedSound {
    std::string file; // the file name in the sounds folder, such as "capture3.wav"
    std::vector<std::int16_t> samples;
};

// Composes the game's seventeen sounds: three ambient phrases for a new level, three fanfares
// for a won level, two falling phrases for a lost one, six sounds of a piece being taken, the
// About window's jingle, the start-up chime and the Instructions window's motif.
std::vector<ComposedSound> ComposeAll(std::uint32_t sampleRate);

} // namespace trevallion::sounds

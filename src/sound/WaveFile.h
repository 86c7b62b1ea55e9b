#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace trevallion {

// A sound ready for an audio output: frames of `channels` interleaved samples, each in -1..1.
struct DecodedSound {
    int channels = 0;
    int sampleRate = 0; // frames per second
    std::vector<float> samples;
};

// The sound effects last seconds; a file larger than this is not one of them.
inline constexpr std::size_t MaxWaveFileBytes = 8 * 1024 * 1024;

// Decodes a RIFF WAVE file of integer samples (8, 16, 24 or 32 bits) or floating-point samples
// (32 or 64 bits), in the plain or the extensible layout, with 1 to 8 channels at 8 to 192 kHz.
// Anything else yields nothing, and so does any file whose numbers do not add up: a chunk that
// runs past the end, format fields that contradict each other, no samples, or samples that stop
// in the middle of a frame. A damaged file is refused as a whole, never played in part.
std::optional<DecodedSound> DecodeWave(std::span<const std::byte> file);

// Reads and decodes the WAVE file at `path`. Only a regular file of at most MaxWaveFileBytes is
// read, so a pipe or a device in a sound's place can neither stall nor flood the game.
std::optional<DecodedSound> LoadWave(const std::string& path);

} // namespace trevallion

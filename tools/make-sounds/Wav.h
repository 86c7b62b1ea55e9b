#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace trevallion::sounds {

// Writes samples as a RIFF WAVE file: uncompressed PCM, 16 bits, one channel. Returns false
// when the file cannot be written.
bool WriteWav(const std::string& path, const std::vector<std::int16_t>& samples,
              std::uint32_t sampleRate);

} // namespace trevallion::sounds

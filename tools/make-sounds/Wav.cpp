#include "Wav.h"

#include <fstream>

namespace trevallion::sounds {
namespace {

// WAVE files are little-endian whatever the machine is, so every number goes out byte by byte.
void PutU16(std::vector<char>& out, std::uint32_t value) {
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

void PutU32(std::vector<char>& out, std::uint32_t value) {
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}

void PutTag(std::vector<char>& out, const char (&tag)[5]) {
    out.insert(out.end(), tag, tag + 4);
}

} // namespace

bool WriteWav(const std::string& path, const std::vector<std::int16_t>& samples,
              std::uint32_t sampleRate) {
    constexpr std::uint32_t BytesPerSample = 2;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * BytesPerSample);

    std::vector<char> bytes;
    bytes.reserve(44 + dataBytes);
    PutTag(bytes, "RIFF");
    PutU32(bytes, 36 + dataBytes); // everything after this field
    PutTag(bytes, "WAVE");
    PutTag(bytes, "fmt ");
    PutU32(bytes, 16);                          // size of the format chunk
    PutU16(bytes, 1);                           // PCM
    PutU16(bytes, 1);                           // one channel
    PutU32(bytes, sampleRate);                  // frames per second
    PutU32(bytes, sampleRate * BytesPerSample); // bytes per second
    PutU16(bytes, BytesPerSample);              // bytes per frame
    PutU16(bytes, 16);                          // bits per sample
    PutTag(bytes, "data");
    PutU32(bytes, dataBytes);
    for (const std::int16_t sample : samples) {
        PutU16(bytes, static_cast<std::uint16_t>(sample));
    }

    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file.flush());
}

} // namespace trevallion::sounds

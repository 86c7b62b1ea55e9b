#include "sound/WaveFile.h"

#include "fileio/PlainFile.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace trevallion {
namespace {

using Bytes = std::span<const std::byte>;

constexpr std::uint64_t FormatPcm = 1;
constexpr std::uint64_t FormatFloat = 3;
constexpr std::uint64_t FormatExtensible = 0xFFFE;

// In the extensible layout the format code is the start of a GUID whose remaining bytes are the
// same for every format this player knows.
constexpr std::string_view ExtensibleGuidTail{"\0\0\0\0\x10\0\x80\0\0\xAA\0\x38\x9B\x71", 14};

constexpr std::uint64_t MaxChannels = 8;
constexpr std::uint64_t MinSampleRate = 8000;
constexpr std::uint64_t MaxSampleRate = 192000;

// Numbers in a WAVE file are little-endian whatever the machine is. The caller has checked that
// the bytes lie within the file.
std::uint64_t Little(Bytes file, std::size_t at, std::size_t width) {
    std::uint64_t value = 0;
    for (std::size_t i = width; i-- > 0;) {
        value = value << 8 | std::to_integer<std::uint64_t>(file[at + i]);
    }
    return value;
}

// Whether the file holds `expected` at `at`; the caller has checked that it has the room.
bool Holds(Bytes file, std::size_t at, std::string_view expected) {
    return std::memcmp(file.data() + at, expected.data(), expected.size()) == 0;
}

// Where a chunk's contents lie in the file.
struct Chunk {
    std::size_t at = 0;
    std::size_t size = 0;
};

struct Chunks {
    std::optional<Chunk> format;
    std::optional<Chunk> data;
};

// Walks the chunks of the RIFF container and keeps the first format and data chunks. A RIFF
// size or chunk size that reaches past the end of the file means the file was cut short.
std::optional<Chunks> FindChunks(Bytes file) {
    if (file.size() < 12 || !Holds(file, 0, "RIFF") || !Holds(file, 8, "WAVE")) {
        return std::nullopt;
    }
    const std::uint64_t end = 8 + Little(file, 4, 4);
    if (end > file.size() || end < 12) {
        return std::nullopt;
    }
    Chunks found;
    std::size_t at = 12;
    while (at + 8 <= end) {
        const Chunk chunk{at + 8, Little(file, at + 4, 4)};
        if (chunk.size > end - chunk.at) {
            return std::nullopt;
        }
        if (Holds(file, at, "fmt ") && !found.format) {
            found.format = chunk;
        } else if (Holds(file, at, "data") && !found.data) {
            found.data = chunk;
        }
        at = chunk.at + chunk.size + chunk.size % 2; // chunks are padded to an even length
    }
    return found;
}

struct Format {
    std::uint64_t code = 0, channels = 0, rate = 0, byteRate = 0, blockAlign = 0, bits = 0;
};

std::optional<Format> ReadFormat(Bytes file, Chunk chunk) {
    if (chunk.size < 16) {
        return std::nullopt;
    }
    Format format{Little(file, chunk.at, 2),      Little(file, chunk.at + 2, 2),
                  Little(file, chunk.at + 4, 4),  Little(file, chunk.at + 8, 4),
                  Little(file, chunk.at + 12, 2), Little(file, chunk.at + 14, 2)};
    if (format.code == FormatExtensible) {
        // The extension: its size, the valid bits, the speaker mask, then the GUID.
        if (chunk.size < 40 || Little(file, chunk.at + 16, 2) < 22 ||
            !Holds(file, chunk.at + 26, ExtensibleGuidTail)) {
            return std::nullopt;
        }
        format.code = Little(file, chunk.at + 24, 2);
    }
    return format;
}

bool IsConsistent(const Format& format) {
    return format.channels >= 1 && format.channels <= MaxChannels && format.rate >= MinSampleRate &&
           format.rate <= MaxSampleRate &&
           format.blockAlign == format.channels * (format.bits / 8) &&
           format.byteRate == format.rate * format.blockAlign;
}

// Sample readers, one per stored form, each giving a value in -1..1.
using SampleReader = float (*)(Bytes, std::size_t);

float ReadUnsigned8(Bytes file, std::size_t at) {
    return static_cast<float>(static_cast<int>(Little(file, at, 1)) - 128) / 128.0f;
}

template <int Bits> float ReadSigned(Bytes file, std::size_t at) {
    // Moving the sample's sign bit to the top of 64 bits and back extends the sign.
    const auto value = static_cast<std::int64_t>(Little(file, at, Bits / 8) << (64 - Bits));
    return static_cast<float>(static_cast<double>(value >> (64 - Bits)) /
                              static_cast<double>(std::int64_t{1} << (Bits - 1)));
}

// Floating-point samples can hold anything: infinities and NaNs become silence, and values
// beyond full scale are clipped, so a hostile file cannot blast the speakers.
template <typename Real, typename Raw> float ReadReal(Bytes file, std::size_t at) {
    const auto value = std::bit_cast<Real>(static_cast<Raw>(Little(file, at, sizeof(Raw))));
    return std::isfinite(value) ? static_cast<float>(std::clamp(value, Real{-1}, Real{1})) : 0.0f;
}

SampleReader ReaderFor(const Format& format) {
    if (format.code == FormatPcm) {
        switch (format.bits) {
        case 8:
            return ReadUnsigned8;
        case 16:
            return ReadSigned<16>;
        case 24:
            return ReadSigned<24>;
        case 32:
            return ReadSigned<32>;
        default:
            return nullptr;
        }
    }
    if (format.code == FormatFloat) {
        switch (format.bits) {
        case 32:
            return ReadReal<float, std::uint32_t>;
        case 64:
            return ReadReal<double, std::uint64_t>;
        default:
            return nullptr;
        }
    }
    return nullptr;
}

} // namespace

std::optional<DecodedSound> DecodeWave(Bytes file) {
    const std::optional<Chunks> chunks = FindChunks(file);
    if (!chunks || !chunks->format || !chunks->data) {
        return std::nullopt;
    }
    const std::optional<Format> format = ReadFormat(file, *chunks->format);
    if (!format || !IsConsistent(*format)) {
        return std::nullopt;
    }
    const SampleReader read = ReaderFor(*format);
    const Chunk data = *chunks->data;
    if (read == nullptr || data.size == 0 || data.size % format->blockAlign != 0) {
        return std::nullopt;
    }

    DecodedSound sound{static_cast<int>(format->channels), static_cast<int>(format->rate), {}};
    const std::size_t width = format->bits / 8;
    sound.samples.reserve(data.size / width);
    for (std::size_t at = data.at; at < data.at + data.size; at += width) {
        sound.samples.push_back(read(file, at));
    }
    return sound;
}

std::optional<DecodedSound> LoadWave(const std::string& path) {
    const PlainFileRead read = ReadPlainFile(path, MaxWaveFileBytes);
    if (read.error != FileError::None || read.longer) {
        return std::nullopt;
    }
    return DecodeWave(std::as_bytes(std::span(read.bytes)));
}

} // namespace trevallion

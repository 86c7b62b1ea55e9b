// make-sounds: composes the game's sound effects and writes them as WAVE files into a folder.
// The output depends on nothing but this program, so every run writes the same bytes.

#include "Score.h"
#include "Wav.h"

#include <filesystem>
#include <iostream>
#include <system_error>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make-sounds OUTDIR\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::cerr << "make-sounds: cannot create " << folder << ": " << error.message() << '\n';
        return 1;
    }

    constexpr std::uint32_t SampleRate = 22050;
    for (const auto& sound : trevallion::sounds::ComposeAll(SampleRate)) {
        const std::filesystem::path file = folder / sound.file;
        if (!trevallion::sounds::WriteWav(file.string(), sound.samples, SampleRate)) {
            std::cerr << "make-sounds: cannot write " << file << '\n';
            return 1;
        }
    }
    return 0;
}

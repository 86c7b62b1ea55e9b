#pragma once

#include <cstdint>
#include <vector>

namespace trevallion::sounds {

// One sine component of a timbre, at a multiple of the note's frequency. Higher components
// usually die away faster, which is what makes a struck or plucked sound.
struct Partial {
    double ratio = 1.0;      // frequency as a multiple of the note's
    double level = 1.0;      // amplitude relative to the other partials
    double decayScale = 1.0; // how many times faster than the note this partial decays
};

// How a note sounds: its partials, its envelope and an optional breath of filtered noise.
struct Timbre {
    std::vector<Partial> partials;
    double attack = 0.01;     // seconds of rise from silence
    double decay = 0.0;       // time constant of the exponential fall in seconds; 0 holds the level
    double release = 0.05;    // seconds of fall back to silence at the end of the note
    double noise = 0.0;       // level of the noise
    double noiseDecay = 0.0;  // time constant of the noise's fall; 0 holds it
    double noiseBright = 0.3; // 0..1, the low-pass smoothing of the noise (1 leaves it white)
    double vibratoRate = 0.0; // Hz
    double vibratoDepth = 0.0; // fraction of the frequency
};

struct Note {
    double start = 0.0;     // seconds from the beginning of the sound
    double length = 0.1;    // seconds, release included
    double frequency = 440; // Hz at the start
    double glideTo = 0.0;   // Hz at the end, for a pitch that slides; 0 keeps it steady
    double level = 1.0;
    const Timbre* timbre = nullptr;
};

// The frequency of a MIDI note number (69 is the A at 440 Hz).
double Midi(double note);

// Sums notes into one buffer and turns it into 16-bit samples.
class Mix {
  public:
    explicit Mix(std::uint32_t sampleRate) : m_rate(sampleRate) {}

    void Add(const Note& note);

    // Scales the whole mix so that its loudest sample is peak (a fraction of full scale) and
    // appends tail seconds of silence, so that the sound both starts and ends at zero.
    std::vector<std::int16_t> Render(double peak, double tail = 0.03) const;

    std::uint32_t SampleRate() const { return m_rate; }

  private:
    std::uint32_t m_rate;
    std::vector<double> m_buffer;
    std::uint32_t m_noiseSeed = 12345; // every noise source continues one fixed sequence
};

} // namespace trevallion::sounds

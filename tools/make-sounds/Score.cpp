#include "Score.h"

#include "Synth.h"

#include <initializer_list>

namespace trevallion::sounds {
namespace {

// --- Instruments -------------------------------------------------------------------------

// A soft organ-like pad that holds its level: the calm bed under the ambient phrases.
const Timbre Pad{.partials = {{1, 1}, {2, 0.3}, {3, 0.12}, {4, 0.05}},
                 .attack = 0.25,
                 .release = 0.5,
                 .vibratoRate = 4.5,
                 .vibratoDepth = 0.002};

// A small bell: a slightly stretched fourth partial gives the metallic shimmer.
const Timbre Bell{.partials = {{1, 1}, {2, 0.35, 1.6}, {3, 0.15, 2.2}, {4.2, 0.08, 3}},
                  .attack = 0.004,
                  .decay = 0.55,
                  .release = 0.08};

// A brass-like tone with many partials, for the fanfares.
const Timbre Brass{.partials = {{1, 1}, {2, 0.6}, {3, 0.4}, {4, 0.25}, {5, 0.15}, {6, 0.08}},
                   .attack = 0.03,
                   .decay = 1.6,
                   .release = 0.06,
                   .vibratoRate = 5.5,
                   .vibratoDepth = 0.003};

// A breathy flute for the sad phrases: few partials, a little noise and vibrato.
const Timbre Flute{.partials = {{1, 1}, {2, 0.15}, {3, 0.05}},
                   .attack = 0.06,
                   .decay = 1.4,
                   .release = 0.15,
                   .noise = 0.04,
                   .noiseBright = 0.1,
                   .vibratoRate = 5,
                   .vibratoDepth = 0.004};

// A wooden bar: the strong fourth partial and the quick fall of a marimba.
const Timbre Marimba{.partials = {{1, 1}, {4, 0.35, 3}, {9.9, 0.08, 6}},
                     .attack = 0.003,
                     .decay = 0.16,
                     .release = 0.03};

// A plucked string: all harmonics, the higher ones dying first.
const Timbre Pluck{
    .partials = {{1, 1}, {2, 0.5, 1.5}, {3, 0.33, 2}, {4, 0.25, 2.5}, {5, 0.2, 3}, {6, 0.16, 3.5}},
    .attack = 0.002,
    .decay = 0.14,
    .release = 0.03};

// A dull knock: a low tone with a short burst of dark noise.
const Timbre Thud{.partials = {{1, 1}, {1.5, 0.3, 2}, {2, 0.2, 2}},
                  .attack = 0.003,
                  .decay = 0.07,
                  .release = 0.03,
                  .noise = 0.5,
                  .noiseDecay = 0.012,
                  .noiseBright = 0.15};

// A dry snap: bright noise over a short mid tone.
const Timbre Snap{.partials = {{1, 0.6}, {2.3, 0.3, 2}},
                  .attack = 0.002,
                  .decay = 0.04,
                  .release = 0.03,
                  .noise = 1.0,
                  .noiseDecay = 0.02,
                  .noiseBright = 0.6};

// A rounded pop: a nearly pure tone whose pitch slides up.
const Timbre Pop{
    .partials = {{1, 1}, {2, 0.2, 2}}, .attack = 0.004, .decay = 0.07, .release = 0.03};

// The rustle of a turned page: noise alone, swelling and fading.
const Timbre Rustle{
    .partials = {}, .attack = 0.09, .release = 0.16, .noise = 1.0, .noiseBright = 0.35};

// --- Writing notes -------------------------------------------------------------------------

struct Step {
    double midi; // 0 is a rest
    double beats;
};

// Plays steps one after another from start and returns when the last one ends. Each note
// sounds for its beats times legato; a legato above 1 lets struck notes ring into the next.
double Melody(Mix& mix, const Timbre& timbre, double start, double beat,
              std::initializer_list<Step> steps, double level, double legato = 1.0) {
    double time = start;
    for (const Step& step : steps) {
        const double span = step.beats * beat;
        if (step.midi > 0) {
            mix.Add({time, span * legato, Midi(step.midi), 0, level, &timbre});
        }
        time += span;
    }
    return time;
}

void Chord(Mix& mix, const Timbre& timbre, double start, double length,
           std::initializer_list<double> midis, double level) {
    for (const double midi : midis) {
        mix.Add({start, length, Midi(midi), 0, level, &timbre});
    }
}

// --- Ambient phrases: a held chord and a slow tune, about two and a half seconds ----------

void Ambient1(Mix& mix) { // C major, the tune climbs and settles on D
    Chord(mix, Pad, 0.0, 2.6, {48, 55, 64}, 0.22);
    Melody(mix, Bell, 0.1, 0.32, {{76, 1}, {79, 1}, {81, 1}, {79, 1}, {76, 1}, {74, 2}}, 0.5, 1.3);
}

void Ambient2(Mix& mix) { // F major, a lilting long-short rhythm
    Chord(mix, Pad, 0.0, 2.5, {41, 48, 57}, 0.22);
    Melody(mix, Marimba, 0.1, 0.17,
           {{69, 2}, {72, 1}, {74, 2}, {77, 1}, {76, 2}, {72, 1}, {74, 1}, {69, 2}}, 0.55, 1.8);
}

void Ambient3(Mix& mix) { // G major, falling then rising to the octave
    Chord(mix, Pad, 0.0, 2.5, {43, 50, 59}, 0.22);
    Melody(mix, Bell, 0.12, 0.28, {{74, 1}, {71, 1}, {67, 1}, {69, 1}, {71, 1}, {74, 1}, {79, 2}},
           0.45, 1.5);
}

// --- Fanfares for a won level: rising major arpeggios that land on a full chord ----------

void Win1(Mix& mix) { // C major
    const double end =
        Melody(mix, Brass, 0.0, 0.11, {{67, 1}, {72, 1}, {76, 1}, {79, 2}}, 0.5, 0.9);
    Chord(mix, Brass, end, 1.0, {72, 76, 79, 84}, 0.35);
    Melody(mix, Bell, end, 0.1, {{88, 1}, {91, 1}, {96, 4}}, 0.25, 2);
}

void Win2(Mix& mix) { // D major, with a triple call first
    const double end =
        Melody(mix, Brass, 0.0, 0.1, {{74, 1}, {74, 1}, {74, 1}, {78, 1.5}, {81, 1.5}, {86, 2}},
               0.5, 0.85);
    Chord(mix, Brass, end, 0.9, {74, 78, 81, 86}, 0.35);
}

void Win3(Mix& mix) { // F major, a quick sweep over two octaves
    const double end = Melody(mix, Brass, 0.0, 0.085,
                              {{65, 1}, {69, 1}, {72, 1}, {77, 1}, {81, 1}, {84, 2}}, 0.45, 0.9);
    Chord(mix, Brass, end, 1.0, {65, 77, 81, 84}, 0.33);
    Chord(mix, Bell, end + 0.05, 0.9, {89, 96}, 0.2);
}

// --- Phrases for a lost level: falling minor lines that sag at the end ---------------------

void Lose1(Mix& mix) { // A minor
    const double end = Melody(mix, Flute, 0.0, 0.28, {{76, 1}, {72, 1}, {71, 1}}, 0.5, 1.05);
    mix.Add({end, 0.6, Midi(69), Midi(68.3), 0.5, &Flute});
    Chord(mix, Pad, 0.0, end + 0.6, {45, 52}, 0.18);
}

void Lose2(Mix& mix) { // D minor
    const double end = Melody(mix, Flute, 0.0, 0.3, {{69, 1}, {65, 1}, {64, 1}}, 0.5, 1.05);
    mix.Add({end, 0.55, Midi(62), Midi(61.3), 0.5, &Flute});
    Chord(mix, Pad, 0.1, end + 0.45, {38, 45}, 0.18);
}

// --- Captures: short knocks, each with its own pitch and colour ---------------------------

void Capture1(Mix& mix) { // a high wooden tock
    mix.Add({0.0, 0.18, Midi(81), 0, 1.0, &Marimba});
}

void Capture2(Mix& mix) { // a low thump that drops in pitch
    mix.Add({0.0, 0.26, 150, 75, 1.0, &Thud});
}

void Capture3(Mix& mix) { // two bright bell taps
    mix.Add({0.0, 0.14, Midi(88), 0, 0.8, &Bell});
    mix.Add({0.08, 0.22, Midi(95), 0, 0.7, &Bell});
}

void Capture4(Mix& mix) { // a dry snap
    mix.Add({0.0, 0.16, 700, 0, 1.0, &Snap});
}

void Capture5(Mix& mix) { // a plucked low string
    mix.Add({0.0, 0.34, Midi(50), 0, 1.0, &Pluck});
}

void Capture6(Mix& mix) { // a pop that jumps up
    mix.Add({0.0, 0.2, 300, 900, 1.0, &Pop});
}

// --- The About jingle, the start-up chime and the Instructions motif ----------------------

void Jingle(Mix& mix) { // a bouncing C major tune over a plucked bass
    Melody(mix, Marimba, 0.0, 0.12,
           {{72, 1}, {76, 1}, {79, 1}, {84, 1}, {81, 1}, {77, 1}, {79, 2}, {84, 3}}, 0.55, 1.5);
    Melody(mix, Pluck, 0.0, 0.24, {{48, 1}, {55, 1}, {53, 1}, {55, 1}, {48, 2}}, 0.5, 1.2);
    Chord(mix, Bell, 1.08, 0.4, {88}, 0.25);
}

void Startup(Mix& mix) { // bells rising over two octaves, each left to ring
    Chord(mix, Pad, 0.0, 1.45, {48, 60}, 0.18);
    const double start = 0.05;
    const double spacing = 0.12;
    const double notes[] = {72, 79, 84, 88, 91};
    for (int i = 0; i < 5; ++i) {
        mix.Add({start + i * spacing, 1.4 - i * spacing, Midi(notes[i]), 0, 0.45, &Bell});
    }
}

void Instructions(Mix& mix) { // a page turns, then a few quiet notes
    mix.Add({0.0, 0.32, 1000, 0, 0.35, &Rustle});
    Melody(mix, Marimba, 0.38, 0.24, {{76, 1}, {74, 1}, {72, 1}, {76, 1}, {79, 2}}, 0.5, 1.6);
    Chord(mix, Pad, 0.35, 1.6, {60, 67}, 0.12);
}

struct Piece {
    const char* file;
    void (*compose)(Mix&);
    double peak; // loudest sample as a fraction of full scale: soft, and never clipped
};

constexpr Piece Pieces[] = {
    {"ambient1.wav", Ambient1, 0.35},
    {"ambient2.wav", Ambient2, 0.35},
    {"ambient3.wav", Ambient3, 0.35},
    {"win1.wav", Win1, 0.5},
    {"win2.wav", Win2, 0.5},
    {"win3.wav", Win3, 0.5},
    {"lose1.wav", Lose1, 0.45},
    {"lose2.wav", Lose2, 0.45},
    {"capture1.wav", Capture1, 0.5},
    {"capture2.wav", Capture2, 0.55},
    {"capture3.wav", Capture3, 0.45},
    {"capture4.wav", Capture4, 0.45},
    {"capture5.wav", Capture5, 0.5},
    {"capture6.wav", Capture6, 0.5},
    {"qmv.wav", Jingle, 0.45},
    {"startup.wav", Startup, 0.45},
    {"instructions.wav", Instructions, 0.4},
};

} // namespace

std::vector<ComposedSound> ComposeAll(std::uint32_t sampleRate) {
    std::vector<ComposedSound> sounds;
    for (const Piece& piece : Pieces) {
        Mix mix(sampleRate);
        piece.compose(mix);
        sounds.push_back({piece.file, mix.Render(piece.peak)});
    }
    return sounds;
}

} // namespace trevallion::sounds

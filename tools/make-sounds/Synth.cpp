#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace trevallion::sounds {
namespace {

constexpr double TwoPi = 2.0 * std::numbers::pi;

// A half cosine from 0 to 1 over span seconds: a smooth ramp with no corner to click.
double Ramp(double t, double span) {
    if (span <= 0.0 || t >= span) {
        return 1.0;
    }
    return t <= 0.0 ? 0.0 : 0.5 - 0.5 * std::cos(std::numbers::pi * t / span);
}

} // namespace

double Midi(double note) {
    return 440.0 * std::pow(2.0, (note - 69.0) / 12.0);
}

void Mix::Add(const Note& note) {
    const Timbre& timbre = *note.timbre;
    const auto first = static_cast<std::size_t>(std::lround(note.start * m_rate));
    const auto count = static_cast<std::size_t>(std::lround(note.length * m_rate));
    if (count < 2) {
        return;
    }
    if (m_buffer.size() < first + count) {
        m_buffer.resize(first + count, 0.0);
    }

    const double nyquist = m_rate / 2.0;
    const double highest = std::max(note.frequency, note.glideTo);
    std::vector<double> phases(timbre.partials.size(), 0.0);
    double noise = 0.0;
    const double end = static_cast<double>(count - 1) / m_rate;

    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / m_rate;
        double frequency = note.frequency;
        if (note.glideTo > 0.0) {
            frequency *= std::pow(note.glideTo / note.frequency, t / end);
        }
        frequency *= 1.0 + timbre.vibratoDepth * std::sin(TwoPi * timbre.vibratoRate * t);

        double value = 0.0;
        for (std::size_t k = 0; k < timbre.partials.size(); ++k) {
            const Partial& partial = timbre.partials[k];
            if (partial.ratio * highest >= nyquist) {
                continue; // would fold back as a harsh lower tone
            }
            phases[k] += TwoPi * frequency * partial.ratio / m_rate;
            const double fall =
                timbre.decay > 0.0 ? std::exp(-t * partial.decayScale / timbre.decay) : 1.0;
            value += partial.level * fall * std::sin(phases[k]);
        }
        if (timbre.noise > 0.0) {
            m_noiseSeed = m_noiseSeed * 1664525u + 1013904223u;
            const double white = static_cast<double>(m_noiseSeed >> 8) / (1u << 23) - 1.0;
            noise += timbre.noiseBright * (white - noise);
            const double fall = timbre.noiseDecay > 0.0 ? std::exp(-t / timbre.noiseDecay) : 1.0;
            value += timbre.noise * fall * noise;
        }

        const double envelope = Ramp(t, timbre.attack) * Ramp(end - t, timbre.release);
        m_buffer[first + i] += note.level * envelope * value;
    }
}

std::vector<std::int16_t> Mix::Render(double peak, double tail) const {
    double loudest = 0.0;
    for (const double value : m_buffer) {
        loudest = std::max(loudest, std::abs(value));
    }
    const double scale = loudest > 0.0 ? peak * 32767.0 / loudest : 0.0;

    std::vector<std::int16_t> samples;
    samples.reserve(m_buffer.size() + static_cast<std::size_t>(tail * m_rate));
    for (const double value : m_buffer) {
        samples.push_back(static_cast<std::int16_t>(std::lround(value * scale)));
    }
    samples.resize(samples.size() + static_cast<std::size_t>(std::lround(tail * m_rate)), 0);
    return samples;
}

} // namespace trevallion::sounds

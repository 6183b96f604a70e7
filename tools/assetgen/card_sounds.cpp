#include "tools/assetgen/card_sounds.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/assetgen/seeded_noise.h"
#include "tools/assetgen/wav_file.h"

namespace vm {

namespace {

constexpr double TwoPi = 2.0 * std::numbers::pi;

std::size_t SamplesFor(double seconds) {
    return static_cast<std::size_t>(std::lround(seconds * SoundSampleRate));
}

double SecondsAt(std::size_t i) { return static_cast<double>(i) / SoundSampleRate; }

// Resonant band-pass (constant peak gain), the usual biquad form.
class BandPass {
public:
    BandPass(double centreHz, double q) {
        const double w = TwoPi * centreHz / SoundSampleRate;
        const double alpha = std::sin(w) / (2.0 * q);
        const double a0 = 1.0 + alpha;
        m_b0 = alpha / a0;
        m_b2 = -alpha / a0;
        m_a1 = -2.0 * std::cos(w) / a0;
        m_a2 = (1.0 - alpha) / a0;
    }

    double Process(double x) {
        const double y = m_b0 * x + m_b2 * m_x2 - m_a1 * m_y1 - m_a2 * m_y2;
        m_x2 = m_x1;
        m_x1 = x;
        m_y2 = m_y1;
        m_y1 = y;
        return y;
    }

private:
    double m_b0 = 0, m_b2 = 0, m_a1 = 0, m_a2 = 0;
    double m_x1 = 0, m_x2 = 0, m_y1 = 0, m_y2 = 0;
};

class LowPass {
public:
    explicit LowPass(double cutoffHz) : m_k(1.0 - std::exp(-TwoPi * cutoffHz / SoundSampleRate)) {}
    double Process(double x) { return m_y += m_k * (x - m_y); }

private:
    double m_k;
    double m_y = 0;
};

// Raised-cosine ramps at both ends so the sound starts and stops at silence, without a click.
void ApplyEdgeFades(std::vector<double>& samples, double fadeInSeconds, double fadeOutSeconds) {
    const std::size_t fadeIn = SamplesFor(fadeInSeconds);
    const std::size_t fadeOut = SamplesFor(fadeOutSeconds);
    const std::size_t n = samples.size();
    for (std::size_t i = 0; i < n; ++i) {
        double gain = 1.0;
        if (i < fadeIn) {
            gain *= 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) / fadeIn);
        }
        if (i + fadeOut >= n) {
            const double left = static_cast<double>(n - 1 - i) / fadeOut;
            gain *= 0.5 - 0.5 * std::cos(std::numbers::pi * left);
        }
        samples[i] *= gain;
    }
}

void NormalisePeak(std::vector<double>& samples, double peak) {
    double loudest = 0.0;
    for (double s : samples) {
        loudest = std::max(loudest, std::abs(s));
    }
    if (loudest > 0.0) {
        for (double& s : samples) {
            s *= peak / loudest;
        }
    }
}

}  // namespace

std::vector<double> SynthesiseCardDown() {
    std::vector<double> samples(SamplesFor(0.120));
    SeededNoise noise(7);
    LowPass muffle(1400.0);
    BandPass body(320.0, 1.2);
    double phase = 0.0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = SecondsAt(i);
        const double brush = muffle.Process(noise.NextSigned()) * std::exp(-t / 0.022);
        const double cloth = body.Process(noise.NextSigned()) * std::exp(-t / 0.035);
        // The thump sinks from 150 Hz towards 90 Hz as the card settles.
        phase += TwoPi * (90.0 + 60.0 * std::exp(-t / 0.02)) / SoundSampleRate;
        const double thump = std::sin(phase) * std::exp(-t / 0.028);
        samples[i] = 1.6 * brush + 1.1 * cloth + 0.45 * thump;
    }
    ApplyEdgeFades(samples, 0.002, 0.030);
    NormalisePeak(samples, 0.55);
    return samples;
}

std::vector<double> SynthesiseCardUp() {
    std::vector<double> samples(SamplesFor(0.150));
    SeededNoise noise(11);
    BandPass snap(3800.0, 1.5);
    BandPass flutter(2200.0, 3.0);
    BandPass ring(1750.0, 18.0);
    double previous = 0.0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = SecondsAt(i);
        const double white = noise.NextSigned();
        const double bright = white - previous;  // tilts the grain towards the highs
        previous = white;
        // A sharp first click, a second softer one as the card leaves the cloth.
        const double clicks =
            std::exp(-t / 0.004) +
            0.45 * std::exp(-std::max(0.0, t - 0.038) / 0.006) * (t >= 0.038 ? 1.0 : 0.0);
        const double snapPart = snap.Process(bright) * clicks;
        const double flutterPart = flutter.Process(white) * std::exp(-t / 0.030) * 0.5;
        const double ringPart = ring.Process(white * clicks) * 2.5;
        samples[i] = snapPart + flutterPart + ringPart;
    }
    ApplyEdgeFades(samples, 0.003, 0.040);
    NormalisePeak(samples, 0.7);
    return samples;
}

}  // namespace vm

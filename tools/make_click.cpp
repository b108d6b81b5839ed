// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Writes the short mouse-click sound as a 16-bit mono 22050 Hz PCM WAVE file.
// Deterministic: the same bytes on every build.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr int SampleRate = 22050;
constexpr double Duration = 0.032;     // seconds
constexpr double PeakLevel = 0.65;     // fraction of full scale
constexpr double ToneFrequency = 2600; // Hz
constexpr double Pi = 3.14159265358979323846;

// Small fixed-seed generator so the noise never depends on the C library.
struct Lcg {
    uint32_t state;
    double NextSigned() {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) / double(1u << 23) - 1.0;
    }
};

// Raw click: a band-passed noise burst over the first few ms plus a fast-decaying tone.
std::vector<double> SynthesizeClick() {
    const int count = int(Duration * SampleRate);
    std::vector<double> samples(static_cast<size_t>(count));
    Lcg rng{0x51D0C11Cu};
    double lowPass = 0, slowLowPass = 0;
    for (int i = 0; i < count; ++i) {
        const double t = double(i) / SampleRate;
        // Two one-pole low-passes; their difference keeps the 1-5 kHz band and drops rumble.
        const double white = rng.NextSigned();
        lowPass += 0.55 * (white - lowPass);
        slowLowPass += 0.12 * (white - slowLowPass);
        const double noise = (lowPass - slowLowPass) * std::exp(-t / 0.0015);
        const double tone = 0.6 * std::sin(2 * Pi * ToneFrequency * t) * std::exp(-t / 0.005);
        samples[size_t(i)] = noise + tone;
    }
    return samples;
}

// Soft 1 ms attack and a fade over the last quarter so the sound starts and ends at exactly zero.
void ShapeEdges(std::vector<double>& samples) {
    const size_t count = samples.size();
    const size_t attack = size_t(0.001 * SampleRate);
    const size_t fadeStart = count - count / 4;
    for (size_t i = 0; i < count; ++i) {
        double gain = 1.0;
        if (i < attack) gain = double(i) / double(attack);
        if (i >= fadeStart) gain *= double(count - 1 - i) / double(count - 1 - fadeStart);
        samples[i] *= gain;
    }
}

std::vector<int16_t> Quantize(const std::vector<double>& samples) {
    double peak = 0;
    for (double s : samples) peak = std::max(peak, std::abs(s));
    const double scale = peak > 0 ? PeakLevel * 32767.0 / peak : 0.0;
    std::vector<int16_t> pcm;
    pcm.reserve(samples.size());
    for (double s : samples) pcm.push_back(int16_t(std::clamp(std::lround(s * scale), -32767L, 32767L)));
    return pcm;
}

void PutU32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(uint8_t(v >> (8 * i)));
}

void PutU16(std::vector<uint8_t>& out, uint16_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

void PutTag(std::vector<uint8_t>& out, const char* tag) { out.insert(out.end(), tag, tag + 4); }

// Canonical 44-byte RIFF/WAVE header followed by little-endian PCM data.
std::vector<uint8_t> EncodeWave(const std::vector<int16_t>& pcm) {
    const uint16_t channels = 1, bitsPerSample = 16;
    const uint16_t blockAlign = channels * bitsPerSample / 8;
    const uint32_t dataSize = uint32_t(pcm.size()) * blockAlign;
    std::vector<uint8_t> out;
    PutTag(out, "RIFF");
    PutU32(out, 36 + dataSize);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    PutU32(out, 16);
    PutU16(out, 1); // PCM
    PutU16(out, channels);
    PutU32(out, SampleRate);
    PutU32(out, SampleRate * blockAlign);
    PutU16(out, blockAlign);
    PutU16(out, bitsPerSample);
    PutTag(out, "data");
    PutU32(out, dataSize);
    for (int16_t s : pcm) PutU16(out, uint16_t(s));
    return out;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_click OUT.wav\n");
        return 2;
    }
    std::vector<double> samples = SynthesizeClick();
    ShapeEdges(samples);
    const std::vector<uint8_t> bytes = EncodeWave(Quantize(samples));

    std::FILE* file = std::fopen(argv[1], "wb");
    if (!file) {
        std::fprintf(stderr, "make_click: cannot write %s\n", argv[1]);
        return 1;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (std::fclose(file) != 0 || !written) {
        std::fprintf(stderr, "make_click: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}

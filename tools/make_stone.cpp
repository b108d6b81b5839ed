// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Writes the 64 x 64, 8-bit stone texture used for the blocked tiles.
// Deterministic: the same bytes on every build.
#include <QImage>
#include <cmath>
#include <cstdint>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Size = 64;

// Small fixed-seed generator so the texture never depends on the C library.
struct Lcg {
    uint32_t state;
    double Next() {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) / double(1u << 24);
    }
};

// Tileable value noise on a lattice of the given period.
struct Lattice {
    int period;
    std::vector<double> values;
    Lattice(int p, Lcg& rng) : period(p), values(size_t(p * p)) {
        for (double& v : values) v = rng.Next();
    }
    double At(int x, int y) const { return values[size_t(((y % period) * period) + (x % period))]; }
    double Sample(double x, double y) const {
        const int x0 = int(std::floor(x)), y0 = int(std::floor(y));
        const double fx = x - x0, fy = y - y0;
        const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
        const double top = At(x0, y0) * (1 - sx) + At(x0 + 1, y0) * sx;
        const double bottom = At(x0, y0 + 1) * (1 - sx) + At(x0 + 1, y0 + 1) * sx;
        return top * (1 - sy) + bottom * sy;
    }
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_stone OUT.bmp\n");
        return 2;
    }
    Lcg rng{20261208u};
    const Lattice coarse(4, rng), middle(8, rng), fine(16, rng), grain(32, rng);

    QImage stone(Size, Size, QImage::Format_Indexed8);
    QList<QRgb> palette;
    for (int i = 0; i < 256; ++i) {
        // Dark grey-brown, from almost black to a dusty mid tone.
        const double t = i / 255.0;
        palette.append(qRgb(int(28 + 92 * t), int(24 + 80 * t), int(20 + 66 * t)));
    }
    stone.setColorTable(palette);

    for (int y = 0; y < Size; ++y) {
        uchar* row = stone.scanLine(y);
        for (int x = 0; x < Size; ++x) {
            const double u = x / double(Size), v = y / double(Size);
            double n = 0.45 * coarse.Sample(u * 4, v * 4) + 0.3 * middle.Sample(u * 8, v * 8) +
                       0.17 * fine.Sample(u * 16, v * 16) + 0.08 * grain.Sample(u * 32, v * 32);
            // Thin dark veins where the middle noise crosses its mean.
            const double vein = std::abs(middle.Sample(u * 8 + 3.5, v * 8 + 1.5) - 0.5);
            if (vein < 0.03) n *= 0.55 + vein * 10;
            const int index = std::clamp(int(std::lround((n - 0.15) * 300)), 0, 255);
            row[x] = uchar(index);
        }
    }
    if (!stone.save(QString::fromLocal8Bit(argv[1]), "BMP")) {
        std::fprintf(stderr, "make_stone: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}

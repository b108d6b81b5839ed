// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "AreaAverage.h"

#include <algorithm>
#include <cstdint>

namespace {

// In units of 1 / target eighths of a source pixel, source pixel i covers
// [i, i + 1) * 8 * target, cut at extent * target where the picture ends,
// and result pixel x covers [x, x + 1) * extent (extent: the picture's size
// in eighths of a source pixel). As 8 * target <= extent, a source pixel
// meets at most two result pixels.
struct Grid {
    int64_t pixel, result, end;
    Grid(int64_t extent, int target) : pixel(8 * int64_t(target)), result(extent), end(extent * target) {}
};

} // namespace

AreaAverage::AreaAverage(QSize source, QImage& target, QSize own, int eighths)
    : Target(target), Current(size_t(source.width()) * 3), Next(Current.size()) {
    const Grid across(int64_t(own.width()) * eighths, target.width());
    for (int x = 0; x < target.width(); ++x) {
        const int64_t start = x * across.result, end = start + across.result;
        const int first = int(start / across.pixel), last = int((end - 1) / across.pixel);
        const float scale = 1.0f / float(across.result);
        const int64_t firstPart = std::min(end, (first + 1) * across.pixel) - start;
        Columns.push_back(Span{first, std::min(last, source.width() - 1), float(firstPart) * scale,
                               float(end - last * across.pixel) * scale, float(across.pixel) * scale});
    }
    const Grid down(int64_t(own.height()) * eighths, target.height());
    for (int y = 0; y < source.height(); ++y) {
        const int64_t start = y * down.pixel, end = std::min(start + down.pixel, down.end);
        const int first = int(start / down.result);
        const int64_t boundary = (first + 1) * down.result;
        const float scale = 1.0f / float(down.result);
        Rows.push_back(Split{first, float(std::min(end, boundary) - start) * scale,
                             float(std::max<int64_t>(0, end - boundary)) * scale, end >= boundary});
    }
}

// Down first, on whole source rows (the loops vectorise), then across once
// a result row.
void AreaAverage::AddRow(const uchar* row) {
    if (SourceRow >= Rows.size()) return;
    const Split split = Rows[SourceRow++];
    const size_t n = Current.size();
    float* current = Current.data();
    for (size_t k = 0; k < n; ++k) current[k] += float(row[k]) * split.weight;
    if (split.rest > 0) {
        float* next = Next.data();
        for (size_t k = 0; k < n; ++k) next[k] += float(row[k]) * split.rest;
    }
    if (split.completes) {
        EmitRow(split.first);
        std::swap(Current, Next);
        std::fill(Next.begin(), Next.end(), 0.0f);
    }
}

void AreaAverage::EmitRow(int y) {
    if (y >= Target.height()) return;
    const float* row = Current.data();
    uchar* out = Target.scanLine(y);
    for (const Span& span : Columns) {
        const float* first = row + span.first * 3;
        const float* last = row + span.last * 3;
        float inner[3] = {};
        for (const float* p = first + 3; p < last; p += 3) inner[0] += p[0], inner[1] += p[1], inner[2] += p[2];
        for (int c = 0; c < 3; ++c) {
            const float sum = span.first == span.last
                                  ? first[c]
                                  : span.firstWeight * first[c] + span.lastWeight * last[c] + span.inner * inner[c];
            out[c] = uchar(std::min(sum + 0.5f, 255.0f));
        }
        out += 3;
    }
}

AreaAverageBeside::AreaAverageBeside(QSize source, QImage& target, QSize own, int eighths)
    : average(source, target, own, eighths), rowBytes(size_t(source.width()) * 3), rows(rowBytes * Buffers),
      worker([this] { Run(); }) {}

AreaAverageBeside::~AreaAverageBeside() {
    {
        const std::lock_guard<std::mutex> guard(lock);
        ending = true;
    }
    changed.notify_all();
    worker.join();
}

uchar* AreaAverageBeside::NextRow() {
    std::unique_lock<std::mutex> guard(lock);
    changed.wait(guard, [this] { return filled - averaged < Buffers; });
    return Buffer(filled);
}

void AreaAverageBeside::RowFilled() {
    {
        const std::lock_guard<std::mutex> guard(lock);
        ++filled;
    }
    changed.notify_all();
}

void AreaAverageBeside::Run() {
    std::unique_lock<std::mutex> guard(lock);
    for (;;) {
        changed.wait(guard, [this] { return averaged < filled || ending; });
        if (averaged == filled) return;
        const uchar* row = Buffer(averaged);
        guard.unlock();
        average.AddRow(row);
        guard.lock();
        ++averaged;
        changed.notify_all();
    }
}

QImage AreaAveraged(const QImage& picture, QSize size) {
    const QImage source = picture.convertToFormat(QImage::Format_RGB888);
    QImage result(size.boundedTo(source.size()), QImage::Format_RGB888);
    if (result.isNull() || source.isNull()) return QImage();
    AreaAverage average(source.size(), result);
    for (int y = 0; y < source.height(); ++y) average.AddRow(source.constScanLine(y));
    return result;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Making a 24-bit picture smaller while its rows arrive, so that the larger
// picture is never held whole.
#pragma once

#include <QImage>
#include <QSize>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

// Each pixel of the result is the mean of the area of the source it covers
// (pixels cut by its edges count by the part inside).
class AreaAverage {
public:
    // `target`: a Format_RGB888 image no larger than the source on either
    // side; its rows are written as the source rows that cover them arrive.
    // A source decoded at eighths/8 of a picture of size `own` shows
    // own * eighths / 8 pixels: its last row and column may lie partly
    // beyond the picture, and only their part inside counts.
    AreaAverage(QSize source, QImage& target, QSize own, int eighths);
    AreaAverage(QSize source, QImage& target) : AreaAverage(source, target, source, 8) {}

    // The next source row: source.width() pixels of 3 bytes.
    void AddRow(const uchar* row);

private:
    // The source pixels of one result pixel across: `first` and `last`
    // count by their part inside it, those between by `inner`.
    struct Span {
        int first, last;
        float firstWeight, lastWeight, inner;
    };
    // How one source row splits between result row `first` and the next.
    struct Split {
        int first;
        float weight, rest;
        bool completes; // nothing after it falls into `first`
    };
    // Writes result row y from the source rows summed for it, made narrow.
    void EmitRow(int y);

    QImage& Target;
    std::vector<Span> Columns;
    std::vector<Split> Rows;
    std::vector<float> Current, Next; // source rows summed for a result row and the next
    size_t SourceRow = 0;
};

// An AreaAverage on a thread of its own, so that rows are averaged while
// the next ones are decoded: the rows pass through a few buffers.
class AreaAverageBeside {
public:
    AreaAverageBeside(QSize source, QImage& target, QSize own, int eighths);
    // Once the rows handed over are averaged.
    ~AreaAverageBeside();
    AreaAverageBeside(const AreaAverageBeside&) = delete;
    AreaAverageBeside& operator=(const AreaAverageBeside&) = delete;

    // Where the next source row goes; waits while every buffer is in use.
    uchar* NextRow();
    // The row NextRow gave is filled.
    void RowFilled();

private:
    static constexpr size_t Buffers = 32;
    uchar* Buffer(size_t row) { return rows.data() + row % Buffers * rowBytes; }
    void Run();

    AreaAverage average;
    const size_t rowBytes;
    std::vector<uchar> rows;
    size_t filled = 0, averaged = 0;
    bool ending = false;
    std::mutex lock;
    std::condition_variable changed;
    std::thread worker; // last: it starts once the rest is made
};

// The whole picture made smaller at once, through AreaAverage.
QImage AreaAveraged(const QImage& picture, QSize size);

// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Where the scans of a progressive colour JPEG lie, so that two decoders can
// share its decode: one reads the detail (AC) scans of the brightness, the
// other the rest, the DC scans and the detail of the two colour components.
// Each part, read range after range, is a JPEG of its own with every table
// and marker segment of the file.
#pragma once

#include <QIODevice>
#include <optional>
#include <vector>

struct ByteRange {
    qint64 start, length;
};

struct ScanSplit {
    std::vector<ByteRange> brightness, rest;
};

// Reads the device from its start to its end marker. None for anything but
// a whole progressive Huffman-coded picture of three components.
std::optional<ScanSplit> SplitScans(QIODevice& device);

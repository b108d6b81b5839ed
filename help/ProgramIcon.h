// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The program's icon at the sizes a window takes, and icons made of the
// program's own pixel files.
#pragma once

#include <QIcon>
#include <QStringList>

QIcon ProgramIcon();

// Each file at the density it was made for ("@2x" files at twice).
QIcon IconOfPixelFiles(const QStringList& files);

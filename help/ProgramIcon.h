// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The program's icon, drawn at every size the build makes of it, and icons
// made of the program's own PNG files.
#pragma once

#include <QIcon>
#include <QStringList>

QIcon ProgramIcon();

// "@2x" files count as drawings at twice the density.
QIcon IconFromPngFiles(const QStringList& files);

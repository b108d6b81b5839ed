// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Temporary copies that an atomic save leaves behind when the program is
// killed between writing and renaming ("Slidora.reg.AbCdEf").
#pragma once

#include <QRegularExpression>
#include <QString>
#include <chrono>

// Removes the files of the folder whose whole name matches `savedName`
// followed by "." and six letters or digits, and that are older than `age`
// (a younger one may be another copy's save in progress). Returns how many
// were removed.
int RemoveStaleTemporaryFiles(const QString& folder, const QRegularExpression& savedName,
                              std::chrono::seconds age = std::chrono::seconds(60));

// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Screen metrics chosen by the test: 1024 x 768 with a 28-pixel task bar.
#pragma once

#include "platform/Screen.h"

class FakeScreen final : public IScreen {
public:
    QSize PrimarySize() override { return primary; }
    QRect WorkArea() override { return workArea; }
    QRect VirtualDesktop() override { return desktop; }
    qreal DevicePixelRatio() override { return ratio; }

    QSize primary{1024, 768};
    QRect workArea{0, 0, 1024, 740};
    QRect desktop{0, 0, 1024, 768};
    qreal ratio = 1;
};

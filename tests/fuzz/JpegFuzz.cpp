// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The JPEG reader (libjpeg) on any bytes.
#include "PictureFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CheckDecode(data, size, PictureType::Jpeg);
    return 0;
}

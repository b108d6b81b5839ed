// The BMP reader on any bytes.
#include "PictureFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CheckDecode(data, size, PictureType::Bitmap);
    return 0;
}

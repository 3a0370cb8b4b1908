// JPEG pictures through their decoder alone.
#include "fuzz/fuzz_target.h"
#include "fuzz/picture_check.h"

FUZZ_TARGET(jpeg_picture)
{
    CheckPicture(DecodeJpeg(ByteSpan(data, size)));
}

// BMP pictures through their decoder alone.
#include "fuzz/fuzz_target.h"
#include "fuzz/picture_check.h"

FUZZ_TARGET(bmp_picture)
{
    CheckPicture(DecodeBmp(ByteSpan(data, size)));
}

// PNG pictures through their decoder alone.
#include "fuzz/fuzz_target.h"
#include "fuzz/picture_check.h"

FUZZ_TARGET(png_picture)
{
    CheckPicture(DecodePng(ByteSpan(data, size)));
}

// TGA pictures through their decoder alone.
#include "fuzz/fuzz_target.h"
#include "fuzz/picture_check.h"

FUZZ_TARGET(tga_picture)
{
    CheckPicture(DecodeTga(ByteSpan(data, size)));
}

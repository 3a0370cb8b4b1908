// What every picture decoder promises, whatever the bytes: nothing, or a picture within the
// size we accept whose pixels fill exactly the size it reports.
#pragma once

#include "fuzz/fuzz_support.h"
#include "media/decode/picture_decode.h"

inline void CheckPicture(const std::optional<Picture>& picture)
{
    if (!picture)
        return;
    FuzzCheck(PictureSizeAllowed(picture->width, picture->height), "the size is one we accept");
    const size_t pixels = static_cast<size_t>(picture->width) * static_cast<size_t>(picture->height);
    FuzzCheck(picture->rgba.size() == 4 * pixels, "the pixels fill the picture");
}

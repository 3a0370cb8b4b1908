// Ogg Vorbis files: opened, decoded whole, then loaded as the game loads them (decoded at
// load, or streamed when long; as a loop when the first byte says so) and mixed.
#include "fuzz/fuzz_target.h"
#include "fuzz/sound_check.h"
#include "media/decode/ogg_decode.h"

FUZZ_TARGET(ogg_sound)
{
    FuzzInput input(data, size);
    const bool loops = input.Byte() & 1;
    const std::string bytes = input.Rest();
    const auto shared = std::make_shared<const std::string>(bytes);
    if (std::unique_ptr<OggDecoder> decoder = OggDecoder::Open(shared)) {
        FuzzCheck(decoder->Frames() > 0, "an open stream declares frames");
        if (decoder->Frames() <= int64_t{StreamedAfterSeconds} * decoder->Rate()) {
            if (const std::optional<DecodedAudio> audio = DecodeOgg(*decoder))
                CheckDecodedAudio(*audio);
        }
    }
    LoadAndPlay(bytes, loops);
}

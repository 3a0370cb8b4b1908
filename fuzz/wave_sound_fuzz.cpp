// WAVE files: decoded, converted to the mixer's stereo at its rate (as a loop when the first
// byte says so) and mixed. 8- and 16-bit samples always lie within full scale.
#include <algorithm>

#include "fuzz/fuzz_target.h"
#include "fuzz/sound_check.h"
#include "media/decode/wave_decode.h"

FUZZ_TARGET(wave_sound)
{
    FuzzInput input(data, size);
    const bool loops = input.Byte() & 1;
    const std::string bytes = input.Rest();
    const std::optional<DecodedAudio> audio = DecodeWave(bytes);
    if (audio) {
        CheckDecodedAudio(*audio);
        FuzzCheck(std::all_of(audio->samples.begin(), audio->samples.end(),
                              [](float sample) { return sample >= -1.0f && sample < 1.0f; }),
                  "samples lie within full scale");
    }
    const Sound sound = LoadAndPlay(bytes, loops);
    if (IsWaveData(bytes))
        FuzzCheck(static_cast<bool>(sound) == audio.has_value(), "a WAVE loads exactly when it decodes");
}

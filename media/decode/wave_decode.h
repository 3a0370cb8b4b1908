// RIFF WAVE files holding PCM samples: 8-bit (unsigned) or 16-bit, mono or stereo, any rate.
#pragma once

#include <optional>
#include <string_view>

#include "media/decode/decoded_audio.h"

// Whether the bytes start like a WAVE file; says nothing about the rest.
bool IsWaveData(std::string_view bytes);

// Nothing when the file is not such a WAVE, holds no samples, is cut short, or names a size
// that its bytes do not have.
std::optional<DecodedAudio> DecodeWave(std::string_view bytes);

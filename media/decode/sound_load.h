// Turning the bytes of a sound file into a Sound for the mixer: decoded by content, made
// stereo and brought to the mixer's rate once, at load. Long Ogg files are decoded as they
// play instead, so that loading them never keeps the program waiting.
#pragma once

#include <memory>
#include <string>

#include "media/decode/decoded_audio.h"
#include "media/decode/sound_handles.h"

// Ogg sounds longer than this are decoded as they play.
constexpr int StreamedAfterSeconds = 10;

// Null when the bytes are neither a WAVE nor an Ogg Vorbis file that decodes.
Sound LoadSoundBytes(std::shared_ptr<const std::string> bytes, int mixerRate, bool loops);

// Converted samples. A looping sound keeps its loop seamless: it is resampled as one period
// of an endless wave, to a whole number of frames.
Sound ConvertSound(const DecodedAudio& audio, int mixerRate, bool loops);

// Prints how long the first sound operation, LoadSoundFile and PrepareSound take for the
// kinds of file the game loads at start-up (a two-minute 44.1 kHz stereo Ogg as music and
// short WAVE effects), and what streaming, resampling and mixing cost per second of sound.
// Run it with SDL_AUDIODRIVER=dummy (or disk) on a machine without a sound card.
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "media/decode/mixer.h"
#include "media/decode/ogg_decode.h"
#include "media/decode/ogg_stream.h"
#include "media/decode/sound_load.h"
#include "media/platform/sound.h"
#include "media/platform/sound_device.h"
#include "tests/support/sound_files.h"
#include "tests/support/temp_dir.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int Repeats = 7;

double TimeMs(const std::function<void()>& work)
{
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Processor time of the calling thread alone: on a busy machine the wall clock also counts
// the time other programs had the processor.
double ThreadMs()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1000 + static_cast<double>(now.tv_nsec) / 1e6;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Medians of several runs.
void Report(const std::string& what, const std::function<void()>& work)
{
    std::vector<double> wall, processor;
    for (int i = 0; i < Repeats; ++i) {
        const double before = ThreadMs();
        wall.push_back(TimeMs(work));
        processor.push_back(ThreadMs() - before);
    }
    std::printf("%-58s %8.2f ms  (processor %6.2f ms)\n", what.c_str(), Median(wall), Median(processor));
}

// A chord that swells and fades over soft noise: roughly as much data as real music.
std::vector<float> Music(int seconds, int rate)
{
    uint32_t noise = 7;
    return MakeSamples(static_cast<int64_t>(seconds) * rate, 2, [&](int64_t frame, int channel) {
        const double t = static_cast<double>(frame) / rate;
        noise = noise * 1664525u + 1013904223u;
        const double hiss = (static_cast<double>(noise >> 8) / (1 << 24) - 0.5) * 0.05;
        const double swell = 0.6 + 0.4 * std::sin(2 * M_PI * 0.25 * t + channel);
        return static_cast<float>(swell * 0.15 * (std::sin(2 * M_PI * 220 * t) + std::sin(2 * M_PI * 277.2 * t) +
                                                   std::sin(2 * M_PI * 329.6 * t)) + hiss);
    });
}

std::string Effect(int rate, int channels, int bits)
{
    const auto frames = static_cast<int64_t>(rate / 2);
    std::string data;
    for (int64_t frame = 0; frame < frames * channels; ++frame) {
        const double value = std::sin(frame * 0.05) * std::exp(-3.0 * frame / (frames * channels));
        if (bits == 8)
            data += static_cast<char>(128 + std::lround(100 * value));
        else
            data += SixteenBitSamples({static_cast<int16_t>(std::lround(20000 * value))});
    }
    return PcmWave(rate, channels, bits, data);
}

// CPU time per second of sound for a stream read in the device's buffer size.
void ReportStream(const char* what, const std::shared_ptr<const std::string>& bytes, int mixerRate)
{
    const int seconds = 20;
    OggStream stream(OggDecoder::Open(bytes), mixerRate, true);
    std::vector<float> buffer(1024 * 2);
    const double before = ThreadMs();
    for (int done = 0; done < seconds * mixerRate; done += 1024)
        stream.Read(buffer.data(), 1024);
    std::printf("%-58s %8.2f ms of processor per second of music\n", what, (ThreadMs() - before) / seconds);
}

}  // namespace

int main()
{
    TempDir dir;
    const double deviceMs = TimeMs([] { CurrentSoundDevice(); });
    const SoundDeviceInfo device = CurrentSoundDevice();
    std::printf("audio device %s at %d Hz%s: first sound operation took %.2f ms\n\n", device.driver.c_str(),
                device.rate, device.substitute ? " (silent stand-in)" : "", deviceMs);

    std::printf("encoding two minutes of music...\n");
    const std::string musicPath = dir.File("music.ogg");
    const auto music = std::make_shared<const std::string>(OggVorbisFile(Music(120, 44100), 2, 44100));
    WriteFileBytes(musicPath, *music);
    std::printf("music.ogg: %zu bytes, 120 s, 44.1 kHz stereo\n\n", music->size());

    Report("LoadSoundFile music.ogg (looping, decoded as it plays)", [&] { LoadSoundFile(musicPath, SoundLoops); });
    const Sound loaded = LoadSoundFile(musicPath, SoundLoops);
    Report("PrepareSound of the music on a fresh channel", [&] { PrepareSound(loaded); });
    Report("for comparison: decoding all of it at load", [&] {
        std::unique_ptr<OggDecoder> decoder = OggDecoder::Open(music);
        ConvertSound(*DecodeOgg(*decoder), device.rate, true);
    });
    for (auto [name, rate, channels, bits] : {std::tuple {"effect-44k-stereo-16.wav", 44100, 2, 16},
                                              {"effect-22k-mono-16.wav", 22050, 1, 16},
                                              {"effect-11k-mono-8.wav", 11025, 1, 8}}) {
        const std::string path = dir.File(name);
        WriteFileBytes(path, Effect(rate, channels, bits));
        Report("LoadSoundFile " + std::string(name) + " (0.5 s)", [&] { LoadSoundFile(path, 0); });
    }
    std::printf("\nthe game's own sounds:\n");
    for (const char* name : {"Select.wav", "Enter.wav", "Bye.wav", "Pickie.wav", "Steps.wav", "Pushy.wav",
                             "Button.wav", "Music(Canon).ogg"}) {
        const std::string path = std::string(TINDLEWICK_DATA_DIR) + "/Sounds/" + name;
        Report("LoadSoundFile " + std::string(name), [&] { LoadSoundFile(path, 0); });
    }
    std::printf("\n");

    ReportStream("streaming the music at 44.1 kHz (decode only)", music, 44100);
    ReportStream("streaming the music at 48 kHz (decode and resample)", music, 48000);

    Mixer mixer;
    const Sound effect = LoadSoundFile(dir.File("effect-22k-mono-16.wav"), SoundLoops);
    for (int i = 0; i < 16; ++i)
        mixer.Start(std::make_shared<ChannelData>(), effect, nullptr, false);
    std::vector<int16_t> out(1024 * 2);
    const double before = ThreadMs();
    for (int done = 0; done < 10 * device.rate; done += 1024)
        mixer.Mix(out.data(), 1024);
    std::printf("%-58s %8.2f ms of processor per second of sound\n", "mixing 16 channels", (ThreadMs() - before) / 10);
    ShutSoundDown();
}

// Plays a WAVE file once, then an Ogg file as looping music at the game's music level, and
// tells what it loaded and how long that took. With SDL_AUDIODRIVER=disk the mix lands in
// the file SDL_DISKAUDIOFILE names, to be measured instead of heard.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "media/core/program.h"
#include "media/decode/mixer.h"
#include "media/platform/clock.h"
#include "media/platform/sound.h"
#include "media/platform/sound_device.h"

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

Sound LoadReporting(const std::string& path, int flags, int rate)
{
    const auto start = Clock::now();
    Sound sound = LoadSoundFile(path, flags);
    const double ms = MsSince(start);
    if (!sound) {
        std::printf("%s: cannot be decoded\n", path.c_str());
        return nullptr;
    }
    if (sound->openStream)
        std::printf("%s: loaded in %.2f ms, decoded as it plays\n", path.c_str(), ms);
    else
        std::printf("%s: loaded in %.2f ms, %.3f s of sound\n", path.c_str(), ms,
                    static_cast<double>(sound->frames.size() / 2) / rate);
    return sound;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: sound-demo WAVE OGG [seconds of music, default 5]\n");
        return 2;
    }
    const int musicSeconds = argc > 3 ? std::atoi(argv[3]) : 5;

    const auto start = Clock::now();
    const SoundDeviceInfo device = CurrentSoundDevice();
    std::printf("audio device: %s at %d Hz%s, opened in %.2f ms\n",
                device.driver.empty() ? "none" : device.driver.c_str(), device.rate,
                device.substitute ? " (silent stand-in)" : "", MsSince(start));

    const Sound effect = LoadReporting(argv[1], 0, device.rate);
    const Sound music = LoadReporting(argv[2], SoundLoops, device.rate);
    if (!effect || !music)
        return 1;

    const Channel effectChannel = StartSound(effect);
    while (InspectChannel(effectChannel).mixing)
        SleepMs(10);
    std::printf("effect played to its end: %lld frames\n",
                static_cast<long long>(InspectChannel(effectChannel).position));

    const Channel musicChannel = PrepareSound(music);
    SetChannelLevel(musicChannel, 0.75f);
    ContinueChannel(musicChannel);
    SleepMs(musicSeconds * 1000);
    HaltChannel(musicChannel);
    std::printf("music halted after %lld frames\n",
                static_cast<long long>(InspectChannel(musicChannel).position));
    EndProgram();
}

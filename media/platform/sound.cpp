#include "media/platform/sound.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>

#include "media/core/program.h"
#include "media/decode/mixer.h"
#include "media/decode/sound_load.h"
#include "media/platform/sound_device.h"

namespace {

constexpr int PreferredRate = 44100;
// About 23 ms at 44.1 kHz: short enough to keep sounds in step with the picture, long
// enough that a busy machine does not starve the device.
constexpr int DeviceBufferFrames = 1024;

enum class AudioDriverStart { None, Subsystem, SilentDriver };

struct AudioDevice {
    SDL_AudioDeviceID id = 0;
    AudioDriverStart started = AudioDriverStart::None;
    SoundDeviceInfo info;
    Mixer mixer;
};

// From the first sound operation until ShutSoundDown. Deliberately not a static object: at
// the end of main the audio thread may still be mixing while static objects go.
AudioDevice* Device = nullptr;

void SDLCALL MixInto(void* mixer, Uint8* stream, int bytes)
{
    static_cast<Mixer*>(mixer)->Mix(reinterpret_cast<int16_t*>(stream), bytes / 4);
}

bool OpenOutput(AudioDevice& device)
{
    SDL_AudioSpec wanted {};
    wanted.freq = PreferredRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 2;
    wanted.samples = DeviceBufferFrames;
    wanted.callback = MixInto;
    wanted.userdata = &device.mixer;
    SDL_AudioSpec obtained {};
    // Sounds are converted to the device's own rate at load, so SDL need not resample as
    // it plays; any other difference SDL bridges.
    device.id = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
    if (!device.id)
        return false;
    device.info.driver = SDL_GetCurrentAudioDriver();
    device.info.rate = obtained.freq;
    SDL_PauseAudioDevice(device.id, 0);
    return true;
}

void OpenDevice(AudioDevice& device)
{
    device.info.rate = PreferredRate;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
        if (OpenOutput(device)) {
            device.started = AudioDriverStart::Subsystem;
            return;
        }
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    // SDL's dummy driver plays nothing but keeps time like a real device, so sounds still
    // end and free their channels.
    device.info.substitute = true;
    if (SDL_AudioInit("dummy") == 0) {
        if (OpenOutput(device)) {
            device.started = AudioDriverStart::SilentDriver;
            return;
        }
        SDL_AudioQuit();
    }
}

AudioDevice& OpenedDevice()
{
    if (!Device) {
        Device = new AudioDevice;
        OpenDevice(*Device);
        static bool exitHandlerAdded = false;
        if (!exitHandlerAdded)
            AddExitHandler(ShutSoundDown);
        exitHandlerAdded = true;
    }
    return *Device;
}

// Holds the audio thread off the mixer's channels for as long as it lives.
class AudioLock {
public:
    AudioLock() : id_(OpenedDevice().id)
    {
        if (id_)
            SDL_LockAudioDevice(id_);
    }
    ~AudioLock()
    {
        if (id_)
            SDL_UnlockAudioDevice(id_);
    }
    AudioLock(const AudioLock&) = delete;
    AudioLock& operator=(const AudioLock&) = delete;

private:
    SDL_AudioDeviceID id_;
};

std::shared_ptr<const std::string> ReadWholeFile(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return nullptr;
    auto bytes = std::make_shared<std::string>();
    char block[65536];
    size_t got;
    while ((got = std::fread(block, 1, sizeof block, file)) > 0)
        bytes->append(block, got);
    const bool failed = std::ferror(file);
    std::fclose(file);
    return failed ? nullptr : bytes;
}

Channel StartOnChannel(const Sound& sound, const Channel& channel, bool paused)
{
    AudioDevice& device = OpenedDevice();
    Channel target = channel ? channel : std::make_shared<ChannelData>();
    // Opening a stream decodes its headers: done before the lock, and the channel's old
    // stream is let go after it.
    std::unique_ptr<FrameStream> stream = sound && sound->openStream ? sound->openStream() : nullptr;
    {
        AudioLock lock;
        stream = device.mixer.Start(target, sound, std::move(stream), paused);
    }
    return target;
}

}  // namespace

Sound LoadSoundFile(const std::string& path, int flags)
{
    const int rate = OpenedDevice().info.rate;
    std::shared_ptr<const std::string> bytes = ReadWholeFile(path);
    if (!bytes)
        return nullptr;
    return LoadSoundBytes(std::move(bytes), rate, (flags & SoundLoops) != 0);
}

Channel StartSound(const Sound& sound, const Channel& channel)
{
    return StartOnChannel(sound, channel, false);
}

Channel PrepareSound(const Sound& sound, const Channel& channel)
{
    return StartOnChannel(sound, channel, true);
}

void HaltChannel(const Channel& channel)
{
    if (!channel)
        return;
    AudioLock lock;
    channel->paused = true;
}

void ContinueChannel(const Channel& channel)
{
    if (!channel)
        return;
    AudioLock lock;
    channel->paused = false;
}

void SetChannelLevel(const Channel& channel, float volume)
{
    if (!channel)
        return;
    // NaN becomes silence rather than poisoning the whole mix.
    const float level = volume > 0 ? std::min(volume, 1.0f) : 0.0f;
    AudioLock lock;
    channel->volume = level;
}

SoundDeviceInfo CurrentSoundDevice()
{
    return OpenedDevice().info;
}

void ShutSoundDown()
{
    if (!Device)
        return;
    // Closing waits for the audio thread to leave the mixer.
    if (Device->id)
        SDL_CloseAudioDevice(Device->id);
    if (Device->started == AudioDriverStart::Subsystem)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    else if (Device->started == AudioDriverStart::SilentDriver)
        SDL_AudioQuit();
    delete Device;
    Device = nullptr;
}

ChannelInfo InspectChannel(const Channel& channel)
{
    if (!channel)
        return {};
    AudioLock lock;
    return {channel->position, channel->volume, channel->paused, channel->mixing};
}

int MixingChannelCount()
{
    AudioLock lock;
    return Device->mixer.MixingCount();
}

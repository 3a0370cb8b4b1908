#include "game/world_assets.h"

std::array<Image, 3> WallImages;
std::array<Image, 3> FloorImages;
std::array<Image, 3> GateImages;
std::array<Image, 3> ActiveButtonImages;
std::array<Image, 3> StaticButtonImages;

Image CoinImage;
Image KeyImage;
Image GoalImage;
Image WoodyImage;
Image BoxyImage;
Image BoulderImage;
Image PlayerImage;

Sound SndButton;
Sound SndPickie;
Sound SndSteps;
Sound SndPushy;

Emitter CoinSparkles;
Emitter KeySparkles;
Emitter WoodSplinters;

namespace {

void StartOnFreshChannel(const Sound& sound)
{
    StartSound(sound);
}

Emitter MakePicturelessEmitter(int pictures)
{
    auto emitter = std::make_shared<TWisp_Particle_Emitter>();
    emitter->Images.resize(static_cast<std::size_t>(pictures));
    emitter->MaxImageIndex = pictures - 1;
    Emitters.Append(emitter);
    return emitter;
}

void DropIfPictureless(Emitter& emitter)
{
    if (!emitter)
        return;
    for (const Image& image : emitter->Images) {
        if (image)
            return;
    }
    Emitters.Remove(emitter.get());
    emitter = nullptr;
}

}  // namespace

void (*StartEffect)(const Sound& sound) = StartOnFreshChannel;

void UsePicturelessEmitters()
{
    if (CoinSparkles)
        return;
    CoinSparkles = MakePicturelessEmitter(1);
    KeySparkles = MakePicturelessEmitter(1);
    WoodSplinters = MakePicturelessEmitter(3);
}

void DropPicturelessEmitters()
{
    DropIfPictureless(CoinSparkles);
    DropIfPictureless(KeySparkles);
    DropIfPictureless(WoodSplinters);
}

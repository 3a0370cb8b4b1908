#include "frontend/game_assets.h"

#include "framework/particles.h"
#include "framework/settings.h"
#include "framework/system.h"
#include "game/game_object.h"
#include "game/grid.h"
#include "game/world_assets.h"
#include "media/core/text.h"

Font FontLarge;
Font FontSmall;

Image FlagFinImage;
Image FlagGbImage;
Image LogoImage;
Image BackgroundImage;

Sound SndSelect;
Sound SndEnter;
Sound SndBye;
Sound Music;
Channel MusicChannel;

namespace {

constexpr int PlainSound = 0;
constexpr int MaskedFilteredMipmapped = ImageMasked | ImageFiltered | ImageMipmapped;
constexpr int MaskedFiltered = ImageMasked | ImageFiltered;

Image LoadButtonCells(const std::string& path)
{
    return LoadImageCellsLogged(path, CellSize, CellSize, 0, 2, DefaultImageFlags);
}

// Numbered by variant or colour; the files are read colour by colour, kind by kind.
void LoadTileImages()
{
    for (int i = 0; i < 3; ++i) {
        const std::string number = "." + IntToText(i) + ".gfx";
        ActiveButtonImages[i] = LoadButtonCells("Graphics/Buttya" + number);
        StaticButtonImages[i] = LoadButtonCells("Graphics/Buttys" + number);
        GateImages[i] = LoadImageLogged("Graphics/CGate" + number, DefaultImageFlags);
        FloorImages[i] = LoadImageLogged("Graphics/Floor" + number, DefaultImageFlags);
        WallImages[i] = LoadImageLogged("Graphics/Wall" + number, DefaultImageFlags);
    }
}

}  // namespace

void LoadSounds()
{
    SndSelect = LoadSoundFile("Sounds/Select.wav", PlainSound);
    SndEnter = LoadSoundFile("Sounds/Enter.wav", PlainSound);
    SndBye = LoadSoundFile("Sounds/Bye.wav", PlainSound);
    SndPickie = LoadSoundFile("Sounds/Pickie.wav", PlainSound);
    SndSteps = LoadSoundFile("Sounds/Steps.wav", PlainSound);
    SndPushy = LoadSoundFile("Sounds/Pushy.wav", PlainSound);
    SndButton = LoadSoundFile("Sounds/Button.wav", PlainSound);
    Music = LoadSoundFile("Sounds/Music(Canon).ogg", SoundLoops);
    // Nothing is heard until the menus continue the channel, and only if the music is on.
    MusicChannel = PrepareSound(Music);
    SetChannelLevel(MusicChannel, 0.75f);
}

void LoadGameAssets(int displayOnly)
{
    SetMaskKeyColor(255, 0, 255);
    LoadDevice(SettingsIniFile);
    if (displayOnly != 0) {
        ClearEmitters(nullptr);
        TGameObject::ClearAll();
        return;
    }
    FontLarge = LoadTrueTypeFont("Fonts/ame.TTF", 26, FontSmooth);
    FontSmall = LoadTrueTypeFont("Fonts/kc.TTF", 20, FontSmooth);
    BoulderImage = LoadImageLogged("Graphics/Boulder.gfx", DefaultImageFlags);
    CoinImage = LoadImageLogged("Graphics/Coin.gfx", MaskedFilteredMipmapped);
    CoinSparkles = LoadEmitter("Graphics/Ministar", 1, "gfx");
    CenterImageHandle(CoinImage);
    BoxyImage = LoadImageLogged("Graphics/Boxy.gfx", DefaultImageFlags);
    KeyImage = LoadImageLogged("Graphics/Key.gfx", DefaultImageFlags);
    KeySparkles = LoadEmitter("Graphics/ministar", 1, "gfx");
    PlayerImage = LoadImageCellsLogged("Graphics/Player.gfx", CellSize, CellSize, 0, 2,
                                       DefaultImageFlags);
    WoodyImage = LoadImageLogged("Graphics/Woody.gfx", DefaultImageFlags);
    WoodSplinters = LoadEmitter("Graphics/Woodypart", 3, "gfx");
    GoalImage = LoadImageLogged("Graphics/Goal.gfx", MaskedFiltered);
    LoadTileImages();
}

void LoadFlagImages()
{
    FlagFinImage = LoadImageFile("Graphics/Flag_Fin.gfx", DefaultImageFlags);
    FlagGbImage = LoadImageFile("Graphics/Flag_Gb.gfx", DefaultImageFlags);
}

void LoadScreenImages()
{
    LogoImage = LoadImageLogged("Graphics/logo.gfx", DefaultImageFlags);
    BackgroundImage = LoadImageLogged("Graphics/background.gfx", DefaultImageFlags);
}

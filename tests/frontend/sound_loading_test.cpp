// The shipped sounds, decoded on a helper thread at start-up: all of them are there once
// the loading has finished, the music's channel is prepared, and a fatal error while the
// helper still decodes ends the program as any fatal error does.
#include <gtest/gtest.h>

#include <string>

#include "frontend/game_assets.h"
#include "game/world_assets.h"
#include "media/program.h"
#include "media/sound_device.h"
#include "tests/support/temp_dir.h"

namespace {

TEST(SoundLoading, EverySoundIsThereAndTheMusicIsPreparedPausedOnceLoadingFinishes)
{
    WorkingDir data(TINDLEWICK_DATA_DIR);
    StartLoadingSounds();
    FinishLoadingSounds();
    for (const Sound& sound : {SndSelect, SndEnter, SndBye, SndPickie, SndSteps, SndPushy, SndButton})
        EXPECT_TRUE(sound);
    ASSERT_TRUE(Music);
    const ChannelInfo music = InspectChannel(MusicChannel);
    EXPECT_TRUE(music.mixing);
    EXPECT_TRUE(music.paused);
    EXPECT_FLOAT_EQ(music.volume, 0.75f);
    ShutSoundDown();
}

TEST(SoundLoadingDeathTest, AFatalErrorWhileTheSoundsDecodeEndsTheProgramWithItsMessage)
{
    EXPECT_EXIT(
        {
            WorkingDir data(TINDLEWICK_DATA_DIR);
            StartLoadingSounds();
            RaiseError("Stopped while the sounds decode.");
        },
        testing::ExitedWithCode(255), "Stopped while the sounds decode.");
}

}  // namespace

// The shipped sounds as start-up loads them: all of them are there, and the music's channel
// is prepared paused at three quarters volume, waiting for the menus.
#include <gtest/gtest.h>

#include "frontend/game_assets.h"
#include "game/world_assets.h"
#include "media/platform/sound_device.h"
#include "tests/support/temp_dir.h"

namespace {

TEST(SoundLoading, EverySoundIsThereAndTheMusicIsPreparedPaused)
{
    WorkingDir data(TINDLEWICK_DATA_DIR);
    LoadSounds();
    for (const Sound& sound : {SndSelect, SndEnter, SndBye, SndPickie, SndSteps, SndPushy, SndButton})
        EXPECT_TRUE(sound);
    ASSERT_TRUE(Music);
    const ChannelInfo music = InspectChannel(MusicChannel);
    EXPECT_TRUE(music.mixing);
    EXPECT_TRUE(music.paused);
    EXPECT_FLOAT_EQ(music.volume, 0.75f);
    ShutSoundDown();
}

}  // namespace

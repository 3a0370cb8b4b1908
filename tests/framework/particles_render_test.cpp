// Particles and the camera drawn on a real display, checked on the pixels read back.
#include "framework/particles.h"

#include <gtest/gtest.h>

#include "framework/camera.h"
#include "media/platform/display.h"
#include "media/platform/image.h"
#include "tests/support/display_test.h"
#include "tests/support/frame_pixels.h"
#include "tests/support/picture_files.h"
#include "tests/support/temp_dir.h"

namespace {

const Rgb Black {0, 0, 0};
const Rgb Red {255, 0, 0};
const Rgb Blue {0, 0, 255};
const Rgb White {255, 255, 255};

struct ParticleDrawingTest : DisplayTest {
    TempDir dir;
    Emitter emitter = std::make_shared<TWisp_Particle_Emitter>();

    void TearDown() override
    {
        SetCamera(0, 0);
        Emitters.Clear();
        DisplayTest::TearDown();
    }

    // A one-colour picture without filtering, so that its edges stay crisp.
    Image Picture(int width, int height, const Rgb& color, bool centred)
    {
        const std::string path = dir.File("picture" + std::to_string(++pictures_) + ".gfx");
        WriteFileBytes(path, PngBytes(MakePicture(width, height, false, color.red, color.green,
                                                  color.blue)));
        Image image = LoadImageFile(path, ImageMasked);
        if (centred)
            CenterImageHandle(image);
        return image;
    }

    std::shared_ptr<TWisp_Particle> Add(float x, float y, int imageIndex)
    {
        auto particle = std::make_shared<TWisp_Particle>();
        particle->Init(x, y, 0, 0, 10, imageIndex, 0, 0);
        emitter->Particles.Append(particle);
        return particle;
    }

private:
    int pictures_ = 0;
};

}  // namespace

TEST_F(ParticleDrawingTest, ParticlesAreDrawnCentredAndOldestFirst)
{
    emitter->Images = {Picture(8, 8, Red, true), Picture(8, 8, Blue, true)};
    emitter->MaxImageIndex = 1;
    Add(20, 20, 0);
    Add(24, 20, 1);
    emitter->Draw();
    const FramePixels frame = CaptureFrame();
    EXPECT_TRUE(ColorNear(PixelAt(frame, 15, 20), Black));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 16, 16), Red));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 21, 20), Blue)) << "the newer particle covers";
    EXPECT_TRUE(ColorNear(PixelAt(frame, 27, 23), Blue));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 28, 20), Black));
}

TEST_F(ParticleDrawingTest, EachParticleHasItsOwnRotationAndAlphaWhichArePutBack)
{
    SetBlendMode(BlendAlpha);
    emitter->Images = {Picture(8, 2, White, true)};
    const auto particle = Add(32, 24, 0);
    particle->Rotation = 90;
    particle->Alpha = 0.5f;
    SetDrawRotation(45);
    SetDrawAlpha(0.3f);
    emitter->Draw();
    EXPECT_EQ(GetDrawAlpha(), 1.0f);
    FillRect(0, 0, 4, 4);

    const FramePixels frame = CaptureFrame();
    EXPECT_TRUE(ColorNear(PixelAt(frame, 32, 21), {127, 127, 127}, 2)) << "turned upright";
    EXPECT_TRUE(ColorNear(PixelAt(frame, 29, 24), Black));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 3, 0), White)) << "the rectangle after is not turned";
}

TEST_F(ParticleDrawingTest, TheCameraOffsetMovesWhatIsDrawnAtTheCamera)
{
    MoveCamera(5, 0);
    DrawImageAtCamera(Picture(4, 4, Red, false), 10, 10, 0);
    FramePixels frame = CaptureFrame();
    EXPECT_TRUE(ColorNear(PixelAt(frame, 14, 10), Black));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 15, 10), Red));

    ClearFrame();
    emitter->Images = {Picture(2, 2, Blue, false)};
    Add(20, 30, 0);
    Emitters.Append(emitter);
    SetCamera(-10, 4);
    DrawEmittersAtCamera();
    frame = CaptureFrame();
    EXPECT_TRUE(ColorNear(PixelAt(frame, 10, 34), Blue));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 20, 30), Black));

    ClearFrame();
    DrawEmitters();
    frame = CaptureFrame();
    EXPECT_TRUE(ColorNear(PixelAt(frame, 20, 30), Blue)) << "plain drawing ignores the camera";
    EXPECT_TRUE(ColorNear(PixelAt(frame, 10, 34), Black));
}

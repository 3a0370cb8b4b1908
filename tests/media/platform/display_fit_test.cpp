// The factor a window is made larger by, and where the picture lands on a drawable.
#include "media/platform/display_fit.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowScale, TheAutomaticFactorIsTheLargestWhoseWindowAndTitleBarFit)
{
    // A 1080p desktop with a panel, 1440p, 4K.
    EXPECT_EQ(AutomaticWindowScale(1920, 1040, 800, 600), 1);
    EXPECT_EQ(AutomaticWindowScale(2560, 1400, 800, 600), 2);
    EXPECT_EQ(AutomaticWindowScale(3840, 2120, 800, 600), 3);
    // The title bar must fit as well: 1200 lines leave no room for it.
    EXPECT_EQ(AutomaticWindowScale(2560, 1200, 800, 600), 1);
    EXPECT_EQ(AutomaticWindowScale(2560, 1200 + TitleBarAllowance, 800, 600), 2);
    // A desktop smaller than the window still gets the window.
    EXPECT_EQ(AutomaticWindowScale(640, 480, 800, 600), 1);
    EXPECT_EQ(AutomaticWindowScale(0, 0, 800, 600), 1);
}

TEST(WindowScale, AnAskedFactorIsKeptWhereItFitsAndBroughtDownWhereItDoesNot)
{
    EXPECT_EQ(FittedWindowScale(2, 3840, 2120, 800, 600), 2);
    EXPECT_EQ(FittedWindowScale(3, 3840, 2120, 800, 600), 3);
    EXPECT_EQ(FittedWindowScale(4, 3840, 2120, 800, 600), 3);
    EXPECT_EQ(FittedWindowScale(1000000, 3840, 2120, 800, 600), 3);
    EXPECT_EQ(FittedWindowScale(0, 3840, 2120, 800, 600), 3) << "0 is automatic";
    EXPECT_EQ(FittedWindowScale(2, 1024, 768, 800, 600), 1);
}

TEST(PicturePlace, AWindowsDrawableIsFilled)
{
    EXPECT_EQ(FillDrawable(800, 600, 800, 600), (PictureArea{1, 0, 0, 800, 600, false}));
    EXPECT_EQ(FillDrawable(1600, 1200, 800, 600), (PictureArea{2, 0, 0, 1600, 1200, true}));
    // A desktop that counts 1.25 pixels a unit: filled, but not crisp.
    EXPECT_EQ(FillDrawable(1000, 750, 800, 600), (PictureArea{1.25f, 0, 0, 1000, 750, false}));
}

TEST(PicturePlace, AFullScreenAtTheDesktopsModeCentresAWholeFactor)
{
    EXPECT_EQ(FitWholeFactor(1920, 1080, 800, 600), (PictureArea{1, 560, 240, 800, 600, false}));
    EXPECT_EQ(FitWholeFactor(2560, 1440, 800, 600), (PictureArea{2, 480, 120, 1600, 1200, true}));
    EXPECT_EQ(FitWholeFactor(3840, 2160, 800, 600), (PictureArea{3, 720, 180, 2400, 1800, true}));
    EXPECT_EQ(FitWholeFactor(800, 600, 800, 600), (PictureArea{1, 0, 0, 800, 600, false}));
    // A screen smaller than the layout shows all of it, shrunk.
    EXPECT_EQ(FitWholeFactor(640, 480, 800, 600), (PictureArea{0.8f, 0, 0, 640, 480, false}));
    EXPECT_EQ(FitWholeFactor(100, 100, 0, 600), PictureArea());
}

TEST(PicturePlace, ARectangleOfLayoutPixelsCoversWholeDrawablePixelsFromTheBottom)
{
    const PictureArea unscaled{1, 0, 0, 800, 600, false};
    EXPECT_EQ(DrawableBoxOf(unscaled, 600, 10, 20, 30, 50), (DrawableBox{10, 550, 20, 30}));
    const PictureArea framed{2, 480, 120, 1600, 1200, true};
    EXPECT_EQ(DrawableBoxOf(framed, 1440, 0, 0, 800, 600), (DrawableBox{480, 120, 1600, 1200}));
    EXPECT_EQ(DrawableBoxOf(framed, 1440, 10, 20, 11, 21), (DrawableBox{500, 1440 - 120 - 42, 2, 2}));
    // A scale that is no whole factor rounds outwards.
    const PictureArea shrunk{0.8f, 0, 0, 640, 480, false};
    EXPECT_EQ(DrawableBoxOf(shrunk, 480, 1, 1, 2, 2), (DrawableBox{0, 478, 2, 2}));
}

}  // namespace

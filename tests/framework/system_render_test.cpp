// Display start-up from a settings file and the checked picture loaders, on a real display.
#include "framework/system.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <vector>

#include "framework/log.h"
#include "framework/settings.h"
#include "media/platform/display.h"
#include "tests/support/frame_pixels.h"
#include "tests/support/picture_files.h"
#include "tests/support/temp_dir.h"

namespace {

const std::string SmallWindow =
    "Graphics_width = 96\r\nGraphics_height = 64\r\nColor_depth = 0\r\nRefresh_rate = 0\r\n";

// Each test has a folder of its own with the log on, so that the notes can be read back.
struct SystemTest : testing::Test {
    TempDir dir;
    WorkingDir inside {dir.Path()};

    SystemTest()
    {
        std::filesystem::create_directory("Graphics");
        LogOpen();
    }
    ~SystemTest() override
    {
        CloseDisplay();
        LogClose();
        Emitters.Clear();
        SettingsFileName = "Settings.ini";
    }

    // The log's entries after the banner, without their time of day.
    static std::vector<std::string> Entries()
    {
        std::vector<std::string> entries;
        std::istringstream in(ReadFileBytes("WispLog.txt"));
        // "KIND - HH:MM:SS: TEXT" and a CR; the banner lines have no such stamp.
        for (std::string line; std::getline(in, line);) {
            for (const std::string kind : {"Note", "WARNING", "ERROR"}) {
                const std::size_t text = kind.size() + std::string(" - HH:MM:SS: ").size();
                if (line.starts_with(kind + " - ") && line.size() > text && line.ends_with('\r') &&
                    line.compare(text - 2, 2, ": ") == 0)
                    entries.push_back(kind + ": " + line.substr(text, line.size() - text - 1));
            }
        }
        return entries;
    }

    static bool Logged(const std::string& entry)
    {
        const std::vector<std::string> entries = Entries();
        return std::find(entries.begin(), entries.end(), entry) != entries.end();
    }

    // A picture file whose left half is magenta, the mask key, and right half red.
    static void WriteHalfMasked(const std::string& path, int width, int height)
    {
        Picture picture = MakePicture(width, height, false, 255, 0, 0);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width / 2; ++x)
                SetPixel(picture, x, y, 255, 0, 255);
        WriteFileBytes(path, PngBytes(picture));
    }
};

}  // namespace

TEST_F(SystemTest, LoadDeviceReadsTheSettingsInOrderAndOpensTheDisplay)
{
    WriteFileBytes("Screen.ini", SmallWindow + "Driver = OpenGL\r\n");
    LoadDevice("Screen.ini");
    const std::vector<std::string> expected = {
        "Note: Loading device from: Screen.ini",
        "Note: Changing default config file to: Screen.ini",
        "Note: Graphics width = 96",
        "Note: Graphics height = 64",
        "Note: Color depth = 0",
        "Note: Refresh rate = 0",
        "Note: Graphics driver = opengl",
    };
    EXPECT_EQ(Entries(), expected);
    EXPECT_EQ(SettingsFileName, "Screen.ini");
    EXPECT_EQ(GraphicsDriverName, "opengl");
    const Display* display = CurrentDisplay();
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(display->width, 96);
    EXPECT_EQ(display->height, 64);
    EXPECT_EQ(display->depth, 0);
    EXPECT_EQ(display->hertz, 0);
    EXPECT_TRUE(display->flags & 2) << "double-buffered";
    const FramePixels frame = CaptureFrame();
    EXPECT_EQ(frame.width, 96);
    EXPECT_EQ(frame.height, 64);
}

TEST_F(SystemTest, AnyDriverButOpenGLOrDirectXIsWarnedAboutAndDrawnWithOpenGL)
{
    const struct {
        const char* line;
        bool warns;
    } cases[] = {
        {"Driver = OpenGL\r\n", false},
        {"driver = opengl\r\n", false},
        {"Driver = DirectX\r\n", false},
        {"Driver = GL\r\n", true},
        {"", true},
    };
    for (const auto& c : cases) {
        LogOpen();
        WriteFileBytes("Settings.ini", SmallWindow + c.line);
        TWisp_System::LoadDevice("Settings.ini");
        EXPECT_EQ(Logged("WARNING: Neither graphics driver specified, using OpenGL"), c.warns)
            << c.line;
        EXPECT_NE(CurrentDisplay(), nullptr) << c.line;
    }
    EXPECT_TRUE(Logged("WARNING: Returning zero value from 'ReadSettingStr'-function, while "
                       "searching for: Driver"));
}

TEST_F(SystemTest, ANewDisplayMasksMagentaAndBlendsByAlphaAgain)
{
    WriteFileBytes("Settings.ini", SmallWindow);
    for (int width : {96, 80}) {
        WriteSetting("graphics_width", std::to_string(width));
        LoadDevice("Settings.ini");
        ASSERT_EQ(CurrentDisplay()->width, width) << "the display is replaced";
        WriteHalfMasked("Graphics/Half.gfx", 4, 4);
        DrawImageFrame(LoadImageLogged("Graphics/Half.gfx", -1), 0, 0, 0);
        SetDrawAlpha(0.5f);
        FillRect(10, 10, 4, 4);
        const FramePixels frame = CaptureFrame();
        EXPECT_TRUE(ColorNear(PixelAt(frame, 0, 0), {0, 0, 0})) << "magenta is see-through";
        EXPECT_TRUE(ColorNear(PixelAt(frame, 3, 3), {255, 0, 0}));
        EXPECT_TRUE(ColorNear(PixelAt(frame, 11, 11), {127, 127, 127}, 2)) << "alpha blending";
    }
}

TEST_F(SystemTest, CheckedLoadersNoteWhatTheyLoad)
{
    WriteHalfMasked("Graphics/Wall.2.gfx", 32, 32);
    WriteHalfMasked("Graphics/Player.gfx", 64, 32);
    EXPECT_EQ(ImageWidth(LoadImageLogged("Graphics/Wall.2.gfx", 3)), 32);
    const Image player = LoadImageCellsLogged("Graphics/Player.gfx", 32, 32, 0, 2, -1);
    EXPECT_EQ(ImageFrameCount(player), 2);
    const std::vector<std::string> expected = {
        "Note: Loaded image from: Graphics/Wall.2.gfx",
        "Note: Loaded image from: Graphics/Player.gfx",
    };
    EXPECT_EQ(Entries(), expected);
}

TEST_F(SystemTest, LoadEmitterReadsNumberedPicturesWithCentredHandlesAndRegistersIt)
{
    WriteFileBytes("Settings.ini", SmallWindow);
    LoadDevice("Settings.ini");
    LogOpen();
    for (int i = 0; i < 3; ++i)
        WriteHalfMasked("Graphics/Woodypart." + std::to_string(i) + ".gfx", 8, 8);
    WriteHalfMasked("Graphics/Ministar.0.gfx", 4, 4);
    const Emitter splinters = LoadEmitter("Graphics/Woodypart", 3, "gfx");
    const Emitter stars = LoadEmitter("Graphics/Ministar", 1, "gfx");

    const std::vector<std::string> expected = {
        "Note: Loaded image from: Graphics/Woodypart.0.gfx",
        "Note: Loaded image from: Graphics/Woodypart.1.gfx",
        "Note: Loaded image from: Graphics/Woodypart.2.gfx",
        "Note: Loaded image from: Graphics/Ministar.0.gfx",
    };
    EXPECT_EQ(Entries(), expected);
    EXPECT_EQ(splinters->MaxImageIndex, 2);
    EXPECT_EQ(splinters->Images.size(), 3u);
    EXPECT_EQ(stars->MaxImageIndex, 0);
    std::vector<Emitter> registered;
    for (const Emitter& emitter : Emitters)
        registered.push_back(emitter);
    EXPECT_EQ(registered, (std::vector<Emitter> {splinters, stars}));

    // One splinter at (40, 30): the 8 x 8 picture covers 36..43, its masked half see-through.
    SpawnParticles(splinters, 40, 30, 0, 0, 0, 0, 0, 10, 0, 0);
    DrawEmitters();
    const FramePixels frame = CaptureFrame();
    EXPECT_TRUE(ColorNear(PixelAt(frame, 38, 30), {0, 0, 0}));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 41, 27), {255, 0, 0}));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 44, 30), {0, 0, 0}));
}

using SystemDeathTest = SystemTest;

TEST_F(SystemDeathTest, WhatCannotBeLoadedEndsTheProgramWithItsName)
{
    WriteHalfMasked("Graphics/Player.gfx", 64, 32);
    WriteHalfMasked("Graphics/Woodypart.0.gfx", 8, 8);
    EXPECT_EXIT(LoadImageLogged("Graphics/Key.gfx", -1), testing::ExitedWithCode(255),
                "^Failed to load image Graphics/Key.gfx\n$");
    EXPECT_EXIT(LoadImageCellsLogged("Graphics/Player.gfx", 32, 32, 0, 3, -1),
                testing::ExitedWithCode(255), "^Failed to load image Graphics/Player.gfx\n$");
    EXPECT_EXIT(LoadEmitter("Graphics/Woodypart", 3, "gfx"), testing::ExitedWithCode(255),
                "^Failed to load image Graphics/Woodypart.1.gfx\n$");
}

TEST_F(SystemDeathTest, LoadDeviceWithoutItsSettingsOrADisplayEndsTheProgram)
{
    EXPECT_EXIT(LoadDevice("Settings.ini"), testing::ExitedWithCode(255),
                "^Failed to open settings file from: Settings.ini\n$");
    WriteFileBytes("Settings.ini", "Graphics_height = 64\r\n");
    EXPECT_EXIT(LoadDevice("Settings.ini"), testing::ExitedWithCode(255),
                "^Failed to open display from: Settings.ini: .*0 x 64");
}

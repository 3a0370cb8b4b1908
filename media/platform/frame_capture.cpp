#include "media/platform/frame_capture.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <ctime>
#include <optional>
#include <unistd.h>
#include <utility>
#include <vector>

#include "media/decode/png_writer.h"
#include "media/platform/gl_functions.h"
#include "media/platform/partial_present.h"
#include "media/platform/renderer.h"

namespace {

struct ScreenshotRequest {
    int presentNumber = 0;
    std::string path;
    bool asShown = false;
};

// Both live for the whole run, whatever display is open.
std::vector<ScreenshotRequest> Screenshots;
std::optional<int> PresentMarks;

// The pixels of the bound framebuffer from (left, top), a picture of width x height, whose
// framebuffer is bufferHeight pixels high. OpenGL reads the bottom row first.
FramePixels ReadPixels(int left, int top, int width, int height, int bufferHeight)
{
    FramePixels frame;
    frame.width = width;
    frame.height = height;
    const std::size_t rowBytes = static_cast<std::size_t>(frame.width) * 4;
    std::vector<uint8_t> bottomUp(rowBytes * static_cast<std::size_t>(frame.height));
    gl.PixelStorei(GL_PACK_ALIGNMENT, 1);
    gl.ReadPixels(left, bufferHeight - top - height, frame.width, frame.height, GL_RGBA, GL_UNSIGNED_BYTE,
                  bottomUp.data());
    frame.rgba.resize(bottomUp.size());
    for (int row = 0; row < frame.height; ++row) {
        const auto source = bottomUp.begin() + static_cast<std::ptrdiff_t>(rowBytes * (frame.height - 1 - row));
        std::copy(source, source + static_cast<std::ptrdiff_t>(rowBytes),
                  frame.rgba.begin() + static_cast<std::ptrdiff_t>(rowBytes * row));
    }
    // What the screen shows is opaque, whatever blending left in the alpha.
    for (std::size_t i = 3; i < frame.rgba.size(); i += 4)
        frame.rgba[i] = 255;
    return frame;
}

// The layout's picture drawn apart, into a framebuffer of its own; empty where the driver
// has none.
FramePixels DrawPictureApart()
{
    const FrameSize layout = RendererLayoutSize();
    if (!gl.GenFramebuffers)
        return FramePixels();
    GLuint framebuffer = 0, colour = 0;
    gl.GenFramebuffers(1, &framebuffer);
    gl.GenRenderbuffers(1, &colour);
    gl.BindRenderbuffer(GL_RENDERBUFFER, colour);
    gl.RenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, layout.width, layout.height);
    gl.BindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    gl.FramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colour);
    FramePixels picture;
    if (gl.CheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE) {
        ExecuteLayoutDrawList();
        picture = ReadPixels(0, 0, layout.width, layout.height, layout.height);
    }
    gl.BindFramebuffer(GL_FRAMEBUFFER, 0);
    gl.DeleteRenderbuffers(1, &colour);
    gl.DeleteFramebuffers(1, &framebuffer);
    return picture;
}

std::string WriteScreenshot(const std::string& path, const FramePixels& picture)
{
    if (picture.rgba.empty())
        return "The screenshot " + path + " cannot be drawn at the layout's own size by this OpenGL driver.";
    return WritePngFile(path, picture);
}

}  // namespace

FramePixels CaptureFrame()
{
    const FrameSize size = RendererFrameSize();
    if (size.width == 0)
        return FramePixels();
    ExecuteDrawList();
    return ReadPixels(0, 0, size.width, size.height, size.height);
}

FramePixels CaptureWindow()
{
    const FrameSize size = RendererFrameSize();
    if (size.width == 0)
        return FramePixels();
    return ReadWindowPixels(size.width, size.height);
}

FramePixels CapturePicture()
{
    const FrameSize size = RendererFrameSize();
    if (size.width == 0)
        return FramePixels();
    ExecuteDrawList();
    const PictureArea& area = RendererPictureArea();
    if (area.scale == 1)
        return ReadPixels(area.left, area.top, area.width, area.height, size.height);
    return DrawPictureApart();
}

void RequestScreenshot(int presentNumber, const std::string& path, bool asShown)
{
    Screenshots.push_back({presentNumber, path, asShown});
}

bool ScreenshotsDue(int presentNumber)
{
    return std::any_of(Screenshots.begin(), Screenshots.end(), [&](const ScreenshotRequest& request) {
        return request.presentNumber == presentNumber && !request.asShown;
    });
}

void StartPresentMarks(int descriptor)
{
    PresentMarks = descriptor;
}

void StopPresentMarks()
{
    PresentMarks.reset();
}

void TakeScreenshots(int presentNumber, bool displayOpen)
{
    for (auto request = Screenshots.begin(); request != Screenshots.end();) {
        if (request->presentNumber > presentNumber) {
            ++request;
            continue;
        }
        const std::string& path = request->path;
        std::string error;
        if (request->presentNumber < presentNumber)
            error = "The screenshot " + path + " was asked for too late.";
        else if (!displayOpen)
            error = "There is no display to take the screenshot " + path + " from.";
        else
            error = WriteScreenshot(path, request->asShown ? CaptureFrame() : CapturePicture());
        if (!error.empty())
            std::fprintf(stderr, "%s\n", error.c_str());
        request = Screenshots.erase(request);
    }
}

void MarkPresent()
{
    if (!PresentMarks)
        return;
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const std::string line = std::to_string(now.tv_sec * 1000000000LL + now.tv_nsec) + "\n";
    // The message names the switch the benchmarks give the descriptor by.
    if (write(*PresentMarks, line.data(), line.size()) < 0)
        std::perror("TINDLEWICK_PRESENT_FD");
}

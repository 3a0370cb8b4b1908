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
#include "media/platform/renderer.h"

namespace {

// Both live for the whole run, whatever display is open.
std::vector<std::pair<int, std::string>> Screenshots;
std::optional<int> PresentMarks;

// OpenGL reads the bottom row first.
FramePixels ReadBackBuffer(int width, int height)
{
    FramePixels frame;
    frame.width = width;
    frame.height = height;
    const std::size_t rowBytes = static_cast<std::size_t>(frame.width) * 4;
    std::vector<uint8_t> bottomUp(rowBytes * static_cast<std::size_t>(frame.height));
    gl.PixelStorei(GL_PACK_ALIGNMENT, 1);
    gl.ReadPixels(0, 0, frame.width, frame.height, GL_RGBA, GL_UNSIGNED_BYTE, bottomUp.data());
    frame.rgba.resize(bottomUp.size());
    for (int row = 0; row < frame.height; ++row) {
        const auto source = bottomUp.begin() + static_cast<std::ptrdiff_t>(rowBytes * (frame.height - 1 - row));
        std::copy(source, source + static_cast<std::ptrdiff_t>(rowBytes),
                  frame.rgba.begin() + static_cast<std::ptrdiff_t>(rowBytes * row));
    }
    return frame;
}

}  // namespace

FramePixels CaptureFrame()
{
    const FrameSize size = RendererFrameSize();
    if (size.width == 0)
        return FramePixels();
    ExecuteDrawList();
    FramePixels frame = ReadBackBuffer(size.width, size.height);
    // What the screen shows is opaque, whatever blending left in the back buffer's alpha.
    for (std::size_t i = 3; i < frame.rgba.size(); i += 4)
        frame.rgba[i] = 255;
    return frame;
}

void RequestScreenshot(int presentNumber, const std::string& path)
{
    Screenshots.emplace_back(presentNumber, path);
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
        if (request->first > presentNumber) {
            ++request;
            continue;
        }
        std::string error = request->first < presentNumber
                                ? "The screenshot " + request->second + " was asked for too late."
                            : displayOpen ? WritePngFile(request->second, CaptureFrame())
                                          : "There is no display to take the screenshot " +
                                                request->second + " from.";
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

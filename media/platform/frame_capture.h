// Taking presented frames out of the game, for tests, demos, bug reports and benchmarks:
// the back buffer read back, screenshots written as PNG after a present, and the present
// mark that benchmarks time frames by. The front end switches them on from its command line
// and environment; the display calls the hooks at the end of this header at each present.
#pragma once

#include <string>

#include "media/decode/frame_pixels.h"

// The back buffer as it stands, after the drawing queued so far, as the window shows it:
// at the drawable's size, scaled where the display scales. Empty while no display is open.
// For screenshots and tests; the game itself never reads pixels.
FramePixels CaptureFrame();

// What the X server shows of the window now, as the last presents left it; empty unless
// presents send only what changed (PresentsSendOnlyChanges). For their tests.
FramePixels CaptureWindow();

// The picture the frame draws at the layout's own size, as an unscaled display shows it:
// cut out of the back buffer where the picture is shown unscaled, else drawn apart, which
// needs the frame's drawing kept since it began (RecordLayoutPicture). Empty while no
// display is open.
FramePixels CapturePicture();

// After the present with this number, the picture just presented is written as PNG to path:
// at the layout's own size, or as shown when `asShown`. A present's number is
// PresentCount() as it starts: 0 is the first frame, the same frame in which scripted input
// for frame 0 arrives.
void RequestScreenshot(int presentNumber, const std::string& path, bool asShown = false);

// From StartPresentMarks on, the CLOCK_MONOTONIC time of each present, in nanoseconds, goes
// to the file descriptor, a line each, until StopPresentMarks. Benchmarks read it from a pipe.
void StartPresentMarks(int descriptor);
void StopPresentMarks();

// The display's side. A present's drawing is done and not yet shown: the screenshots due
// are taken, and those asked for an earlier present are reported as too late.
void TakeScreenshots(int presentNumber, bool displayOpen);
// Whether a screenshot at the layout's own size is due at the present with this number.
bool ScreenshotsDue(int presentNumber);
// A present has been shown.
void MarkPresent();

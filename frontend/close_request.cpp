#include "frontend/close_request.h"

#include "media/platform/display.h"
#include "media/platform/input.h"

namespace {

int FrameLimit = 0;

}  // namespace

void SetFrameLimit(int frames)
{
    FrameLimit = frames;
}

int WindowAskedToClose()
{
    if (FrameLimit > 0 && PresentCount() >= FrameLimit)
        return 1;
    return CloseWasRequested();
}

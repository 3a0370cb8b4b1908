// The frames of a record's steps, as "Hiscores.dat" holds them (L.frames) and the simulator
// takes them (--at): the first byte picks the separator and the number of the record's
// letters, the rest is the text. Whatever it is, it is read whole or refused with a reason;
// what is read is whole numbers that write out and read back the same, and they fit the
// letters exactly when there is one for each, from 1 up, rising.
#include "fuzz/fuzz_support.h"
#include "fuzz/fuzz_target.h"
#include "game/step_frames.h"

FUZZ_TARGET(step_frames)
{
    FuzzInput input(data, size);
    const uint8_t choice = input.Byte();
    const char separator = choice & 1 ? ',' : ' ';
    const std::size_t letters = choice >> 1;
    const std::string text = input.Rest();
    std::vector<int> frames;
    const std::string problem = ReadStepFrames(text, separator, frames);
    if (!problem.empty())
        return;
    for (const int frame : frames)
        FuzzCheck(frame >= 0, "frames read are whole numbers");
    std::vector<int> again;
    FuzzCheck(ReadStepFrames(StepFramesText(frames), ' ', again).empty() && again == frames,
              "frames written out read back the same");
    bool fits = frames.size() == letters;
    for (std::size_t step = 0; fits && step < frames.size(); ++step)
        fits = frames[step] >= 1 && (step == 0 || frames[step] > frames[step - 1]);
    FuzzCheck(StepFramesMisfit(frames, letters).empty() == fits, "frames fit when one for each letter, rising");
}

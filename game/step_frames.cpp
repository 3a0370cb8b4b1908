#include "game/step_frames.h"

#include <algorithm>
#include <charconv>

std::string StepFramesText(const std::vector<int>& frames)
{
    std::string text;
    for (const int frame : frames) {
        if (!text.empty())
            text += ' ';
        text += std::to_string(frame);
    }
    return text;
}

std::string ReadStepFrames(std::string_view text, char separator, std::vector<int>& frames)
{
    frames.clear();
    std::size_t at = 0;
    while (true) {
        at = text.find_first_not_of(separator, at);
        if (at == std::string_view::npos)
            return "";
        const std::size_t end = std::min(text.find(separator, at), text.size());
        const std::string_view piece = text.substr(at, end - at);
        int frame = 0;
        const auto [stop, error] = std::from_chars(piece.data(), piece.data() + piece.size(), frame);
        if (error == std::errc::result_out_of_range)
            return "the frame " + std::string(piece) + " is too large";
        if (error != std::errc() || stop != piece.data() + piece.size() || piece[0] == '-')
            return "\"" + std::string(piece) + "\" is not a frame number";
        frames.push_back(frame);
        at = end;
    }
}

std::string StepFramesMisfit(const std::vector<int>& frames, std::size_t steps)
{
    if (frames.size() != steps) {
        return std::to_string(frames.size()) + (frames.size() == 1 ? " frame" : " frames") + " for " +
               std::to_string(steps) + (steps == 1 ? " step" : " steps");
    }
    for (std::size_t step = 0; step < frames.size(); ++step) {
        if (frames[step] < 1)
            return "frame " + std::to_string(frames[step]) + ", where frames count from 1";
        if (step > 0 && frames[step] <= frames[step - 1])
            return "frame " + std::to_string(frames[step]) + " after frame " + std::to_string(frames[step - 1]);
    }
    return "";
}

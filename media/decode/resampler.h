// Changes the rate of a stream of stereo frames with a Kaiser-windowed sinc filter, which
// keeps everything below the lower rate's Nyquist frequency and leaves neither images nor
// clicks behind.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

class Resampler {
public:
    // Fills up to `count` interleaved stereo frames and returns how many; 0 = no more input.
    using Pull = std::function<int(float* frames, int count)>;

    // Output frame k is the input read at position k x inFrames / outFrames: pass the two
    // rates for a stream, or the exact lengths of a loop to make its converted length whole.
    Resampler(int64_t inFrames, int64_t outFrames);

    // How far the filter reaches back before the first input frame.
    int HistoryFrames() const { return halfTaps_; }
    // The input that comes before the first frame, such as a loop's own end; silence if
    // never set. Takes the last HistoryFrames() frames of `frames`.
    void SetHistory(const std::vector<float>& frames);

    // Up to `count` frames; fewer only once the input has ended and its last frame has been
    // passed. Allocates nothing, so the audio thread may call it.
    int Read(float* out, int count, const Pull& pull);

private:
    void FillInput(const Pull& pull);
    void ComputeWeights(int64_t fraction, float* weights) const;
    void Produce(float* out);

    int64_t step_;       // whole input frames advanced per output frame
    int64_t stepFraction_;
    int64_t denominator_;
    int halfTaps_;       // input frames the filter reaches on each side
    std::vector<float> kernel_;  // one side of the filter, TableSteps entries per input frame
    // The weights of every input frame the filter reaches, for each fraction an output frame
    // may fall at, when there are few enough; otherwise they are worked out for each frame.
    std::vector<float> bank_;
    std::vector<float> weights_;

    std::vector<float> input_;   // stereo frames, first_ is the index of the first one
    int64_t first_;
    int64_t count_ = 0;
    int64_t position_ = 0;  // input frame at or before the next output frame
    int64_t fraction_ = 0;  // and how far past it, in 1/denominator_
    int64_t inputEnd_ = -1;  // one past the last input frame, once the input has ended
};

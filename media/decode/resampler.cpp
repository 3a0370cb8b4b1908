#include "media/decode/resampler.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

// Zero crossings of the sinc on each side: 64 taps when the rate rises.
constexpr int Zeros = 32;
// The window's shape: about 70 dB of stopband attenuation.
constexpr double KaiserBeta = 7.0;
// Where the passband ends, as a share of the lower rate's Nyquist frequency; the filter's
// transition band fits between it and the Nyquist frequency.
constexpr double Passband = 0.92;
constexpr int TableSteps = 128;
// Input frames fetched from the source at once.
constexpr int PullFrames = 1024;
// Rates the game meets step in at most a few hundred fractions (44.1 to 48 kHz: 160); a
// loop fitted to whole frames may need thousands.
constexpr int64_t MostBankFractions = 1024;

double BesselI0(double x)
{
    double sum = 1;
    double term = 1;
    for (int k = 1; k < 40 && term > sum * 1e-12; ++k) {
        term *= (x / (2 * k)) * (x / (2 * k));
        sum += term;
    }
    return sum;
}

double Sinc(double x)
{
    return x == 0 ? 1 : std::sin(M_PI * x) / (M_PI * x);
}

}  // namespace

Resampler::Resampler(int64_t inFrames, int64_t outFrames)
{
    const int64_t common = std::gcd(inFrames, outFrames);
    const int64_t in = inFrames / common;
    denominator_ = outFrames / common;
    step_ = in / denominator_;
    stepFraction_ = in % denominator_;

    // Falling rates lower the cutoff, which widens the filter in input frames.
    const double cutoff = Passband * std::min(1.0, static_cast<double>(denominator_) / in);
    halfTaps_ = static_cast<int>(std::ceil(Zeros / cutoff));
    kernel_.resize(static_cast<size_t>(halfTaps_) * TableSteps + 2);
    const double windowNorm = BesselI0(KaiserBeta);
    for (size_t i = 0; i < kernel_.size(); ++i) {
        const double t = static_cast<double>(i) / TableSteps;
        const double edge = std::min(1.0, t / halfTaps_);
        const double window = BesselI0(KaiserBeta * std::sqrt(1 - edge * edge)) / windowNorm;
        kernel_[i] = static_cast<float>(cutoff * Sinc(cutoff * t) * window);
    }

    const auto taps = static_cast<size_t>(2 * halfTaps_);
    weights_.resize(taps);
    if (denominator_ <= MostBankFractions) {
        bank_.resize(taps * static_cast<size_t>(denominator_));
        for (int64_t fraction = 0; fraction < denominator_; ++fraction)
            ComputeWeights(fraction, bank_.data() + fraction * static_cast<int64_t>(taps));
    }
    input_.assign((taps + PullFrames) * 2, 0.0f);
    first_ = -halfTaps_;
    count_ = halfTaps_;
}

void Resampler::SetHistory(const std::vector<float>& frames)
{
    const int64_t available = static_cast<int64_t>(frames.size()) / 2;
    const int64_t taken = std::min<int64_t>(available, halfTaps_);
    std::copy(frames.end() - taken * 2, frames.end(), input_.begin() + (halfTaps_ - taken) * 2);
}

int Resampler::Read(float* out, int count, const Pull& pull)
{
    int done = 0;
    while (done < count) {
        if (inputEnd_ >= 0 && position_ >= inputEnd_)
            break;
        // The filter reaches halfTaps_ frames past the output position.
        while (first_ + count_ <= position_ + halfTaps_)
            FillInput(pull);
        Produce(out + done * 2);
        ++done;
        position_ += step_;
        fraction_ += stepFraction_;
        if (fraction_ >= denominator_) {
            fraction_ -= denominator_;
            ++position_;
        }
    }
    return done;
}

void Resampler::FillInput(const Pull& pull)
{
    // Frames the filter will never reach again make room for new ones.
    const int64_t keepFrom = std::min(position_ - halfTaps_ + 1, first_ + count_);
    if (keepFrom > first_) {
        std::copy(input_.begin() + (keepFrom - first_) * 2, input_.begin() + count_ * 2, input_.begin());
        count_ -= keepFrom - first_;
        first_ = keepFrom;
    }
    float* free = input_.data() + count_ * 2;
    const int room = static_cast<int>(static_cast<int64_t>(input_.size()) / 2 - count_);
    int got = inputEnd_ < 0 ? pull(free, room) : 0;
    if (got == 0) {
        if (inputEnd_ < 0)
            inputEnd_ = first_ + count_;
        // Past the end the filter rings out into silence.
        std::fill(free, free + room * 2, 0.0f);
        got = room;
    }
    count_ += got;
}

// The weights of input frames position_ - halfTaps_ + 1 to position_ + halfTaps_ for an
// output frame `fraction` / denominator_ past position_.
void Resampler::ComputeWeights(int64_t fraction, float* weights) const
{
    const double offset = static_cast<double>(fraction) / denominator_;
    for (int tap = 0; tap < 2 * halfTaps_; ++tap) {
        const double distance = std::abs(tap - (halfTaps_ - 1) - offset) * TableSteps;
        const auto index = static_cast<size_t>(distance);
        const auto blend = static_cast<float>(distance - static_cast<double>(index));
        weights[tap] = kernel_[index] + (kernel_[index + 1] - kernel_[index]) * blend;
    }
}

void Resampler::Produce(float* out)
{
    const float* weights = weights_.data();
    if (bank_.empty())
        ComputeWeights(fraction_, weights_.data());
    else
        weights = bank_.data() + fraction_ * 2 * halfTaps_;
    const float* frames = input_.data() + (position_ - halfTaps_ + 1 - first_) * 2;
    float left = 0;
    float right = 0;
    for (int tap = 0; tap < 2 * halfTaps_; ++tap) {
        left += frames[tap * 2] * weights[tap];
        right += frames[tap * 2 + 1] * weights[tap];
    }
    out[0] = left;
    out[1] = right;
}

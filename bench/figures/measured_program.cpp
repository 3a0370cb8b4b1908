#include "bench/figures/measured_program.h"

#include <cstdlib>
#include <ctime>
#include <poll.h>
#include <unistd.h>

double MonotonicSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

namespace {

constexpr char PipeMark[] = "@pipe";

bool WaitReadable(int descriptor, double seconds)
{
    pollfd watch{descriptor, POLLIN, 0};
    return poll(&watch, 1, static_cast<int>(seconds * 1000)) > 0;
}

}  // namespace

MeasuredProgram::MeasuredProgram(const std::vector<std::string>& argv, const std::string& folder,
                                 const std::vector<std::string>& environment)
{
    ChildSetup setup;
    setup.folder = folder;
    setup.environment = environment;
    setup.environment.push_back(std::string("TINDLEWICK_PRESENT_FD=") + PipeMark);
    setup.output = "/dev/null";
    setup.pipeMark = PipeMark;
    startedAt_ = MonotonicSeconds();
    child_ = std::make_unique<ChildProcess>(argv, setup);
}

const std::vector<double>& MeasuredProgram::WaitForPresents(std::size_t count, double timeout)
{
    const double deadline = MonotonicSeconds() + timeout;
    const int presents = child_->ReadEnd();
    char buffer[4096];
    while (presentTimes_.size() < count && presents >= 0) {
        const double left = deadline - MonotonicSeconds();
        if (left <= 0 || !WaitReadable(presents, left))
            break;
        const ssize_t got = read(presents, buffer, sizeof buffer);
        if (got <= 0)
            break;
        pending_.append(buffer, static_cast<std::size_t>(got));
        for (std::size_t end; (end = pending_.find('\n')) != std::string::npos;) {
            presentTimes_.push_back(std::atof(pending_.substr(0, end).c_str()) * 1e-9);
            pending_.erase(0, end + 1);
        }
    }
    return presentTimes_;
}

// Programs measured by the figure runner, started through the tests' child programs, their
// presents timed through a pipe; the X server they draw on is the tests' virtual screen.
#pragma once

#include <memory>
#include <string>
#include <sys/types.h>
#include <vector>

#include "tests/support/child_process.h"
#include "tests/support/virtual_screen.h"

// CLOCK_MONOTONIC in seconds.
double MonotonicSeconds();

class MeasuredProgram {
public:
    // Starts `argv` in `folder` with `environment` ("NAME=value") added, its standard output
    // dropped; TINDLEWICK_PRESENT_FD names a pipe that it writes each present's time to.
    MeasuredProgram(const std::vector<std::string>& argv, const std::string& folder,
                    const std::vector<std::string>& environment);

    pid_t Pid() const { return child_->Pid(); }
    double StartedAt() const { return startedAt_; }
    // The times (CLOCK_MONOTONIC seconds) of the presents until the count-th, waiting at most
    // `timeout` seconds for them; fewer when the program ended or the time ran out.
    const std::vector<double>& WaitForPresents(std::size_t count, double timeout);

private:
    double startedAt_ = 0;
    std::unique_ptr<ChildProcess> child_;
    std::string pending_;
    std::vector<double> presentTimes_;
};

// Programs measured by the figure runner, and the X server they draw on: started through
// the tests' child programs, their presents timed through a pipe.
#pragma once

#include <memory>
#include <string>
#include <sys/types.h>
#include <vector>

#include "tests/support/child_process.h"

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

// An X server of its own for the measurements: Xvfb on the first free display.
class VirtualScreen {
public:
    VirtualScreen();
    bool Running() const { return server_ && !name_.empty(); }
    pid_t Pid() const { return server_->Pid(); }
    const std::string& Name() const { return name_; }

private:
    std::unique_ptr<ChildProcess> server_;
    std::string name_;
};

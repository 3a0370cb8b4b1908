// Programs measured by the figure runner: started with extra environment, their presents
// timed through a pipe, their processor time and memory read from /proc.
#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

// CLOCK_MONOTONIC in seconds.
double MonotonicSeconds();

class ChildProcess {
public:
    // Starts `argv` in `folder` with `environment` ("NAME=value") added. With timePresents,
    // TINDLEWICK_PRESENT_FD names a pipe that the program writes each present's time to.
    ChildProcess(const std::vector<std::string>& argv, const std::string& folder,
                 const std::vector<std::string>& environment, bool timePresents);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t Pid() const { return pid_; }
    double StartedAt() const { return startedAt_; }
    // The times (CLOCK_MONOTONIC seconds) of the presents until the count-th, waiting at most
    // `timeout` seconds for them; fewer when the program ended or the time ran out.
    const std::vector<double>& WaitForPresents(std::size_t count, double timeout);
    // Asks the program to end (SIGTERM), then makes sure it did.
    void Stop();

private:
    pid_t pid_ = -1;
    int presents_ = -1;
    double startedAt_ = 0;
    std::string pending_;
    std::vector<double> presentTimes_;
};

// Clock ticks of processor time the process and all its threads have used so far.
long ProcessorTicks(pid_t pid);
long TicksPerSecond();
// Resident memory in kilobytes.
long ResidentKilobytes(pid_t pid);

// An X server of its own for the measurements: Xvfb on the first free display.
class VirtualScreen {
public:
    VirtualScreen();
    ~VirtualScreen();
    bool Running() const { return pid_ > 0; }
    pid_t Pid() const { return pid_; }
    const std::string& Name() const { return name_; }

private:
    pid_t pid_ = -1;
    int numbers_ = -1;
    std::string name_;
};

// Programs that the tests, the soaks and the figure runner start: run directly, without a
// shell, in a folder of their choice, with settings added to their environment and their
// output sent where the caller wants it.
#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

struct ChildSetup {
    std::string folder;                    // where the program runs; empty: where we run
    // "NAME=value", added to ours in place of ours of that name; "NAME" alone leaves ours out.
    std::vector<std::string> environment;
    // Files for the standard output and errors, created or emptied; empty keeps ours.
    std::string output;
    std::string errors;
    // The standard output, and the errors unless they go to a file, into one pipe that the
    // parent reads (RunToEnd); `output` is then unused.
    bool captureOutput = false;
    // When set, a pipe is made whose write end the program inherits; every occurrence of this
    // mark in the arguments and the environment becomes that end's number.
    std::string pipeMark;
};

class ChildProcess {
public:
    // argv[0] is the program's path.
    ChildProcess(const std::vector<std::string>& argv, const ChildSetup& setup = {});
    // A program still running is stopped.
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const { return pid_ > 0 || ended_; }
    pid_t Pid() const { return pid_; }
    // The read end of the captured output or of the pipe of pipeMark; -1 without one.
    int ReadEnd() const { return readEnd_; }
    // Whether the program still runs; once it has ended, its status is kept for Wait.
    bool Running();
    // Waits for the end: the exit status, or -1 when a signal ended the program.
    int Wait();
    // Sends the signal and waits for the end.
    void Kill(int signal);
    // Asks the program to end (SIGTERM); after a second, makes it (SIGKILL).
    void Stop();

private:
    void Ended(int status);

    pid_t pid_ = -1;
    int readEnd_ = -1;
    bool ended_ = false;
    int status_ = -1;
};

struct ChildRun {
    int status = -1;     // as Wait gives it; -1 also when the program could not start
    std::string output;  // standard output and errors as they came
};

// Runs the program to its end with both its streams captured.
ChildRun RunToEnd(const std::vector<std::string>& argv, ChildSetup setup = {});

// What a running program has used, read from /proc: clock ticks of processor time of all
// its threads so far, and its resident memory in kilobytes; 0 when it is gone.
long ProcessorTicks(pid_t pid);
long TicksPerSecond();
long ResidentKilobytes(pid_t pid);

// Splits a command line into words as a shell splits plain words, 'quoted' and "quoted"
// ones; nothing else of the shell's syntax.
std::vector<std::string> SplitArguments(const std::string& line);

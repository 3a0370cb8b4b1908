#include "bench/figures/child_process.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

double MonotonicSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

namespace {

// Runs `argv` in `folder`; never returns.
[[noreturn]] void Become(const std::vector<std::string>& argv, const std::string& folder,
                         const std::vector<std::string>& environment)
{
    if (!folder.empty() && chdir(folder.c_str()) != 0)
        _exit(126);
    for (const std::string& setting : environment)
        putenv(const_cast<char*>(setting.c_str()));
    std::vector<char*> args;
    for (const std::string& arg : argv)
        args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    execv(args[0], args.data());
    std::perror(args[0]);
    _exit(127);
}

bool WaitReadable(int descriptor, double seconds)
{
    pollfd watch{descriptor, POLLIN, 0};
    return poll(&watch, 1, static_cast<int>(seconds * 1000)) > 0;
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const std::string& folder,
                           const std::vector<std::string>& environment, bool timePresents)
{
    int pipeEnds[2] = {-1, -1};
    std::vector<std::string> settings = environment;
    if (timePresents && pipe(pipeEnds) == 0)
        settings.push_back("TINDLEWICK_PRESENT_FD=" + std::to_string(pipeEnds[1]));
    startedAt_ = MonotonicSeconds();
    pid_ = fork();
    if (pid_ == 0) {
        if (pipeEnds[0] >= 0)
            close(pipeEnds[0]);
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, 1);
        Become(argv, folder, settings);
    }
    if (pipeEnds[1] >= 0)
        close(pipeEnds[1]);
    presents_ = pipeEnds[0];
}

ChildProcess::~ChildProcess()
{
    Stop();
    if (presents_ >= 0)
        close(presents_);
}

const std::vector<double>& ChildProcess::WaitForPresents(std::size_t count, double timeout)
{
    const double deadline = MonotonicSeconds() + timeout;
    char buffer[4096];
    while (presentTimes_.size() < count && presents_ >= 0) {
        const double left = deadline - MonotonicSeconds();
        if (left <= 0 || !WaitReadable(presents_, left))
            break;
        const ssize_t got = read(presents_, buffer, sizeof buffer);
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

void ChildProcess::Stop()
{
    if (pid_ <= 0)
        return;
    kill(pid_, SIGTERM);
    for (int tries = 0; tries < 50; ++tries) {
        if (waitpid(pid_, nullptr, WNOHANG) == pid_) {
            pid_ = -1;
            return;
        }
        usleep(20000);
    }
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

long ProcessorTicks(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    // The command name may hold spaces; the fields after it are plain.
    const std::size_t close = text.rfind(')');
    if (close == std::string::npos)
        return 0;
    std::istringstream fields(text.substr(close + 2));
    std::string field;
    long user = 0, system = 0;
    for (int number = 3; fields >> field; ++number) {
        if (number == 14)
            user = std::atol(field.c_str());
        if (number == 15) {
            system = std::atol(field.c_str());
            break;
        }
    }
    return user + system;
}

long TicksPerSecond()
{
    return sysconf(_SC_CLK_TCK);
}

long ResidentKilobytes(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    }
    return 0;
}

VirtualScreen::VirtualScreen()
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return;
    pid_ = fork();
    if (pid_ == 0) {
        close(pipeEnds[0]);
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, 2);
        // Without -noreset the server resets as its last client leaves.
        Become({"/usr/bin/Xvfb", "-displayfd", std::to_string(pipeEnds[1]), "-screen", "0", "1024x768x24",
                "-nolisten", "tcp", "-noreset"},
               "", {});
    }
    close(pipeEnds[1]);
    // The server writes its number and the end of the line apart, and stops when it cannot
    // write: the pipe stays open as long as the server runs.
    numbers_ = pipeEnds[0];
    std::string number;
    char got = 0;
    while (WaitReadable(numbers_, 10) && read(numbers_, &got, 1) == 1 && got != '\n')
        number += got;
    if (number.empty()) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
        return;
    }
    name_ = ":" + number;
}

VirtualScreen::~VirtualScreen()
{
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    if (numbers_ >= 0)
        close(numbers_);
}

#include "tests/support/child_process.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

std::string ReplaceMark(std::string text, const std::string& mark, const std::string& value)
{
    if (mark.empty())
        return text;
    for (std::size_t at; (at = text.find(mark)) != std::string::npos;)
        text.replace(at, mark.size(), value);
    return text;
}

// Whether one of the settings names the same variable ("NAME=value", or "NAME" alone).
bool Overridden(const std::string& inherited, const std::vector<std::string>& settings)
{
    const std::string name = inherited.substr(0, inherited.find('='));
    for (const std::string& setting : settings) {
        if (setting.substr(0, setting.find('=')) == name)
            return true;
    }
    return false;
}

// What the child needs, made before the fork: after it, only plain system calls are safe
// in a program that may run threads.
struct Launch {
    std::vector<std::string> args;
    std::vector<std::string> environment;
    std::vector<char*> argv;
    std::vector<char*> envp;

    Launch(const std::vector<std::string>& arguments, const ChildSetup& setup, const std::string& pipeEnd)
    {
        for (const std::string& arg : arguments)
            args.push_back(ReplaceMark(arg, setup.pipeMark, pipeEnd));
        for (char** setting = environ; *setting; ++setting) {
            if (!Overridden(*setting, setup.environment))
                environment.emplace_back(*setting);
        }
        for (const std::string& setting : setup.environment) {
            if (setting.find('=') != std::string::npos)
                environment.push_back(ReplaceMark(setting, setup.pipeMark, pipeEnd));
        }
        for (std::string& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        for (std::string& setting : environment)
            envp.push_back(setting.data());
        envp.push_back(nullptr);
    }
};

void Redirect(const std::string& path, int stream)
{
    if (path.empty())
        return;
    const int file = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (file < 0)
        _exit(126);
    dup2(file, stream);
    close(file);
}

[[noreturn]] void Become(const Launch& launch, const ChildSetup& setup, const int pipeEnds[2])
{
    if (!setup.folder.empty() && chdir(setup.folder.c_str()) != 0)
        _exit(126);
    if (setup.captureOutput) {
        dup2(pipeEnds[1], 1);
        if (setup.errors.empty())
            dup2(pipeEnds[1], 2);
        close(pipeEnds[1]);
    } else {
        Redirect(setup.output, 1);
    }
    Redirect(setup.errors, 2);
    if (pipeEnds[0] >= 0)
        close(pipeEnds[0]);
    execve(launch.argv[0], launch.argv.data(), launch.envp.data());
    std::perror(launch.argv[0]);
    _exit(127);
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const ChildSetup& setup)
{
    int pipeEnds[2] = {-1, -1};
    if ((setup.captureOutput || !setup.pipeMark.empty()) && pipe(pipeEnds) != 0)
        return;
    const Launch launch(argv, setup, std::to_string(pipeEnds[1]));
    if (launch.argv.size() < 2)
        return;
    pid_ = fork();
    if (pid_ == 0)
        Become(launch, setup, pipeEnds);
    if (pipeEnds[1] >= 0)
        close(pipeEnds[1]);
    readEnd_ = pipeEnds[0];
    if (pid_ < 0 && readEnd_ >= 0) {
        close(readEnd_);
        readEnd_ = -1;
    }
}

ChildProcess::~ChildProcess()
{
    Stop();
    if (readEnd_ >= 0)
        close(readEnd_);
}

void ChildProcess::Ended(int status)
{
    pid_ = -1;
    ended_ = true;
    status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool ChildProcess::Running()
{
    if (pid_ <= 0)
        return false;
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) != pid_)
        return true;
    Ended(status);
    return false;
}

int ChildProcess::Wait()
{
    if (pid_ > 0) {
        int status = 0;
        while (waitpid(pid_, &status, 0) < 0 && errno == EINTR)
            continue;
        Ended(status);
    }
    return status_;
}

void ChildProcess::Kill(int signal)
{
    if (pid_ > 0)
        kill(pid_, signal);
    Wait();
}

void ChildProcess::Stop()
{
    if (!Running())
        return;
    kill(pid_, SIGTERM);
    for (int tries = 0; tries < 50 && Running(); ++tries)
        usleep(20000);
    Kill(SIGKILL);
}

ChildRun RunToEnd(const std::vector<std::string>& argv, ChildSetup setup)
{
    setup.captureOutput = true;
    ChildProcess child(argv, setup);
    ChildRun run;
    if (!child.Started())
        return run;
    char buffer[4096];
    for (ssize_t got; (got = read(child.ReadEnd(), buffer, sizeof buffer)) != 0;) {
        if (got > 0)
            run.output.append(buffer, static_cast<std::size_t>(got));
        else if (errno != EINTR)
            break;
    }
    run.status = child.Wait();
    return run;
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
    long user = 0;
    for (int number = 3; fields >> field; ++number) {
        if (number == 14)
            user = std::atol(field.c_str());
        if (number == 15)
            return user + std::atol(field.c_str());
    }
    return 0;
}

long TicksPerSecond()
{
    return sysconf(_SC_CLK_TCK);
}

long ResidentKilobytes(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmRSS:"))
            return std::atol(line.c_str() + 6);
    }
    return 0;
}

std::vector<std::string> SplitArguments(const std::string& line)
{
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    char quote = 0;
    for (const char c : line) {
        if (quote == 0 && (c == '\'' || c == '"')) {
            quote = c;
            inWord = true;
        } else if (c == quote) {
            quote = 0;
        } else if (quote == 0 && (c == ' ' || c == '\t' || c == '\n')) {
            if (inWord)
                words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words.push_back(word);
    return words;
}

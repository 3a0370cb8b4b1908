#include "tests/support/file_faults.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <exception>
#include <random>
#include <sched.h>
#include <stdexcept>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr uid_t NobodyId = 65534;

// Once for the whole test program: mounts made afterwards stay inside it, and vanish with it.
bool InPrivateMountNamespace()
{
    static const bool entered =
        unshare(CLONE_NEWNS) == 0 && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    return entered;
}

std::size_t FreeBytes(const std::string& folder)
{
    struct statvfs info {};
    statvfs(folder.c_str(), &info);
    return static_cast<std::size_t>(info.f_bavail) * info.f_frsize;
}

}  // namespace

FileSizeLimit::FileSizeLimit(rlim_t bytes)
{
    getrlimit(RLIMIT_FSIZE, &previous_);
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit {bytes, previous_.rlim_max};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
        throw std::runtime_error("cannot limit the file size");
}

FileSizeLimit::~FileSizeLimit()
{
    setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previousHandler_);
}

UnprivilegedUser::UnprivilegedUser()
{
    if (geteuid() != 0)
        return;
    // The group first: once the user is switched, the group can no longer be changed.
    if (setegid(NobodyId) != 0 || seteuid(NobodyId) != 0)
        throw std::runtime_error("cannot act as an unprivileged user");
    switched_ = true;
}

UnprivilegedUser::~UnprivilegedUser()
{
    if (!switched_)
        return;
    if (seteuid(0) != 0 || setegid(0) != 0)
        std::terminate();
}

SmallDisk::SmallDisk(const std::string& folder, std::size_t bytes) : folder_(folder)
{
    options_ = "size=" + std::to_string(bytes) + ",mode=0777";
    mounted_ = InPrivateMountNamespace() &&
               mount("tmpfs", folder.c_str(), "tmpfs", 0, options_.c_str()) == 0;
}

SmallDisk::~SmallDisk()
{
    if (mounted_)
        umount2(folder_.c_str(), MNT_DETACH);
}

void SmallDisk::FillLeaving(std::size_t bytes)
{
    std::FILE* filler = std::fopen((folder_ + "/filler").c_str(), "ab");
    if (!filler)
        throw std::runtime_error("cannot fill the small disk");
    // Unbuffered, so that the free space is exact after every chunk.
    std::setvbuf(filler, nullptr, _IONBF, 0);
    const std::string chunk(1024, 'x');
    while (FreeBytes(folder_) > bytes) {
        const std::size_t size = std::min(chunk.size(), FreeBytes(folder_) - bytes);
        if (std::fwrite(chunk.data(), 1, size, filler) != size)
            break;
    }
    std::fclose(filler);
}

void SmallDisk::MakeReadOnly()
{
    if (mount("tmpfs", folder_.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, options_.c_str()) != 0)
        throw std::runtime_error("cannot make the small disk read-only");
}

void SmallDisk::Unfill()
{
    std::remove((folder_ + "/filler").c_str());
}

namespace {

std::string Contents(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

}  // namespace

KilledSaves KillWhileSaving(const std::string& file, const std::function<void(int round)>& save, int kills)
{
    KilledSaves outcome;
    std::mt19937 random(7);
    // A save of a few kilobytes with its sync takes a few milliseconds.
    std::uniform_int_distribution<int> microseconds(0, 10000);
    for (int round = 0; round < kills; ++round) {
        int ready[2];
        if (pipe(ready) != 0)
            throw std::runtime_error("cannot make a pipe");
        const pid_t child = fork();
        if (child == 0) {
            close(ready[0]);
            for (int saves = 0;; ++saves) {
                save(saves);
                if (saves == 0 && write(ready[1], "!", 1) != 1)
                    _exit(1);
            }
        }
        close(ready[1]);
        char signal = 0;
        const bool saved = read(ready[0], &signal, 1) == 1;
        close(ready[0]);
        if (saved)
            usleep(static_cast<useconds_t>(microseconds(random)));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        if (!saved)
            throw std::runtime_error("the saving process ended before its first save");
        outcome.midSave += access((file + ".tmp").c_str(), F_OK) == 0 ? 1 : 0;
        outcome.contents.insert(Contents(file));
    }
    return outcome;
}

// Real file-system failures for tests of code that must not lose a file: a disk that fills
// up in the middle of a write, and a folder the program may not write to.
#pragma once

#include <csignal>
#include <cstddef>
#include <functional>
#include <set>
#include <string>
#include <sys/resource.h>

// While it lives, no file can grow past `bytes`: a longer write fails as on a full disk
// (the size-limit signal is ignored, so the write just reports the error).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_ {};
    void (*previousHandler_)(int) = nullptr;
};

// While it lives, the process acts as an unprivileged user, so that folder and file
// permissions hold for it even when the tests run as root. Does nothing for a user who is
// not root. The folders on the way to the files it uses must let others in.
class UnprivilegedUser {
public:
    UnprivilegedUser();
    ~UnprivilegedUser();
    UnprivilegedUser(const UnprivilegedUser&) = delete;
    UnprivilegedUser& operator=(const UnprivilegedUser&) = delete;

private:
    bool switched_ = false;
};

// A real disk of `bytes` bytes at `folder`: a tmpfs mounted in a mount namespace of the test
// process's own, so that nothing outside the process sees it. Mounting needs root (or the
// right to make namespaces): Mounted() tells whether it worked, and tests skip otherwise.
class SmallDisk {
public:
    SmallDisk(const std::string& folder, std::size_t bytes);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool Mounted() const { return mounted_; }
    // Fills the disk with a file of its own until at most `bytes` are left free.
    void FillLeaving(std::size_t bytes);
    // Takes that file away again.
    void Unfill();
    // From now on nothing on the disk can be changed, not even by root.
    void MakeReadOnly();

private:
    std::string folder_;
    bool mounted_ = false;
    std::string options_;
};

// Saves killed in the act. A child process runs save(0), save(1), save(2)... one after the
// other and is killed with SIGKILL at a random moment after its first save has ended; this
// is done `kills` times, each time from where the last child left the file.
struct KilledSaves {
    std::set<std::string> contents;  // every content `file` was found with after a kill
    int midSave = 0;                 // kills that caught a save with its temporary file there
};
KilledSaves KillWhileSaving(const std::string& file, const std::function<void(int round)>& save, int kills);

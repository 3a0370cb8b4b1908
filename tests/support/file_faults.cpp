#include "tests/support/file_faults.h"

#include <exception>
#include <stdexcept>
#include <unistd.h>

namespace {
constexpr uid_t NobodyId = 65534;
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

#include "tools/solve/level_copy.h"

#include <unistd.h>

LevelCopy::LevelCopy(const LevelData& level)
{
    char name[] = "/tmp/tindlewick-solve-XXXXXX";
    const int descriptor = mkstemp(name);
    if (descriptor < 0)
        return;
    const std::string bytes = EncodeLevel(level);
    const bool written = write(descriptor, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    close(descriptor);
    path_ = name;
    if (!written) {
        unlink(name);
        path_.clear();
    }
}

LevelCopy::~LevelCopy()
{
    if (!path_.empty())
        unlink(path_.c_str());
}

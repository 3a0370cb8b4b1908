#include "fuzz/fuzz_target.h"

namespace {

std::map<std::string, FuzzEntry>& Targets()
{
    static std::map<std::string, FuzzEntry> targets;
    return targets;
}

}  // namespace

const std::map<std::string, FuzzEntry>& FuzzTargets()
{
    return Targets();
}

bool RegisterFuzzTarget(const char* name, FuzzEntry entry)
{
    return Targets().emplace(name, entry).second;
}

#include "media/core/program.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

std::vector<std::function<void()>>& ExitHandlers()
{
    static std::vector<std::function<void()>> handlers;
    return handlers;
}

FatalErrorHandler FatalHandler = nullptr;

void RunExitHandlers()
{
    auto& handlers = ExitHandlers();
    while (!handlers.empty()) {
        auto handler = std::move(handlers.back());
        handlers.pop_back();
        handler();
    }
}

}  // namespace

void AddExitHandler(std::function<void()> handler)
{
    ExitHandlers().push_back(std::move(handler));
}

void SetFatalErrorHandler(FatalErrorHandler handler)
{
    FatalHandler = handler;
}

void EndProgram()
{
    RunExitHandlers();
    std::fflush(stdout);
    std::exit(0);
}

void RaiseError(const std::string& message)
{
    if (FatalHandler)
        FatalHandler(message);
    std::fprintf(stderr, "%s\n", message.c_str());
    std::fflush(stderr);
    RunExitHandlers();
    std::exit(-1);
}

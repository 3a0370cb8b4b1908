#include "media/core/program.h"

#include <gtest/gtest.h>

#include <cstdio>

TEST(ProgramDeathTest, RaiseErrorWritesTheMessageAndEndsWithStatusMinusOne)
{
    EXPECT_EXIT(RaiseError("Failed to open map file from: Levels/3.lev"),
                testing::ExitedWithCode(255), "^Failed to open map file from: Levels/3.lev\n$");
}

TEST(ProgramDeathTest, EndProgramEndsWithStatusZeroAfterTheExitHandlers)
{
    EXPECT_EXIT(
        {
            AddExitHandler([] { std::fputs("first added\n", stderr); });
            AddExitHandler([] { std::fputs("last added, so run first\n", stderr); });
            EndProgram();
        },
        testing::ExitedWithCode(0), "last added, so run first\nfirst added\n");
}

namespace {
struct Fatal {
    std::string message;
};
[[noreturn]] void ThrowFatal(const std::string& message)
{
    throw Fatal {message};
}
}  // namespace

TEST(Program, AFatalErrorHandlerSeesTheMessageFirst)
{
    SetFatalErrorHandler(ThrowFatal);
    try {
        RaiseError("broken");
        FAIL() << "RaiseError returned";
    } catch (const Fatal& fatal) {
        EXPECT_EQ(fatal.message, "broken");
    }
    SetFatalErrorHandler(nullptr);
}

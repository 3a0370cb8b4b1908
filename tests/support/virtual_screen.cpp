#include "tests/support/virtual_screen.h"

#include <poll.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr char PipeMark[] = "@pipe";

bool WaitReadable(int descriptor, double seconds)
{
    pollfd watch{descriptor, POLLIN, 0};
    return poll(&watch, 1, static_cast<int>(seconds * 1000)) > 0;
}

}  // namespace

VirtualScreen::VirtualScreen(int width, int height)
{
    ChildSetup setup;
    setup.errors = "/dev/null";
    setup.pipeMark = PipeMark;
    const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
    // Without -noreset the server resets as its last client leaves.
    server_ = std::make_unique<ChildProcess>(
        std::vector<std::string>{"/usr/bin/Xvfb", "-displayfd", PipeMark, "-screen", "0", screen, "-nolisten", "tcp",
                                 "-noreset"},
        setup);
    // The server writes its number and the end of the line apart, and stops when it cannot
    // write: the pipe stays open as long as the server runs.
    std::string number;
    char got = 0;
    const int numbers = server_->ReadEnd();
    while (numbers >= 0 && WaitReadable(numbers, 10) && read(numbers, &got, 1) == 1 && got != '\n')
        number += got;
    if (number.empty()) {
        server_->Stop();
        return;
    }
    name_ = ":" + number;
}

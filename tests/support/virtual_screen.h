// An X server of its own for tests and the figure runner: Xvfb on the first free display,
// with a screen of the asked size, stopped when the object goes.
#pragma once

#include <memory>
#include <string>
#include <sys/types.h>

#include "tests/support/child_process.h"

class VirtualScreen {
public:
    // width x height pixels at 24 bits.
    explicit VirtualScreen(int width = 1024, int height = 768);
    bool Running() const { return server_ && !name_.empty(); }
    pid_t Pid() const { return server_->Pid(); }
    // The display's name, as DISPLAY takes it: ":N".
    const std::string& Name() const { return name_; }

private:
    std::unique_ptr<ChildProcess> server_;
    std::string name_;
};

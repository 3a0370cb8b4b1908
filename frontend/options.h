// The command line of tindlewick: scripted input, screenshots and a frame limit for
// end-to-end tests, demos and bug reports, and the data folder.
#pragma once

#include <string>
#include <vector>

struct Screenshot {
    int frame = 0;
    std::string file;
    bool asShown = false;  // at the window's own size, not the layout's
};

struct Options {
    std::string script;                 // --script FILE
    // --screenshot FRAME:FILE and --shown-screenshot FRAME:FILE, repeatable
    std::vector<Screenshot> screenshots;
    int frames = 0;                     // --frames N; 0 = no limit
    std::string data;                   // --data DIR
    std::string play;                   // --play FILE: that level alone
    bool help = false;                  // --help
};

extern const char* const UsageText;

// Reads the arguments after the program name. Returns the empty text, or a message that
// names the argument at fault.
std::string ParseOptions(const std::vector<std::string>& args, Options& options);

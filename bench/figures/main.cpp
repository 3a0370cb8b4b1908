// Every figure of the game measured against the bare SDL2 + OpenGL program in the same run,
// under an Xvfb of its own, printed as one table: the figure, its goal, the baseline and
// whether the goal is met. Run through bench/run-all after a build.
//   bench_figures [--build DIR] [--data DIR] [--seconds N]
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "bench/figures/game_folder.h"
#include "bench/figures/measured_program.h"

namespace {

struct Setup {
    std::string build = "build";
    std::string data = "data";
    double seconds = 10;  // the window over which processor time is counted
    std::vector<std::string> environment;
    std::string bare, game, rules;
};

void Pause(double seconds)
{
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? NAN : values[values.size() / 2];
}

// Seconds from the program's start to its first present.
double StartUpSeconds(const Setup& setup, const std::vector<std::string>& argv, const std::string& folder)
{
    MeasuredProgram program(argv, folder, setup.environment);
    const auto& presents = program.WaitForPresents(1, 60);
    return presents.empty() ? NAN : presents[0] - program.StartedAt();
}

struct Usage {
    double cpuPercent = NAN;  // the program and the X server, of one core
    double programPercent = NAN;
    double residentMegabytes = NAN;
};

// Processor time over the window, once `warmFrames` have been presented and a second more.
Usage MeasureUsage(const Setup& setup, pid_t server, const std::vector<std::string>& argv,
                   const std::string& folder, std::size_t warmFrames)
{
    Usage usage;
    MeasuredProgram program(argv, folder, setup.environment);
    if (program.WaitForPresents(warmFrames, 120).size() < warmFrames)
        return usage;
    Pause(1);
    const long programBefore = ProcessorTicks(program.Pid());
    const long serverBefore = ProcessorTicks(server);
    usage.residentMegabytes = ResidentKilobytes(program.Pid()) / 1024.0;
    Pause(setup.seconds);
    const long programTicks = ProcessorTicks(program.Pid()) - programBefore;
    const long serverTicks = ProcessorTicks(server) - serverBefore;
    const double tick = 100.0 / (TicksPerSecond() * setup.seconds);
    usage.programPercent = programTicks * tick;
    usage.cpuPercent = (programTicks + serverTicks) * tick;
    return usage;
}

// Frames a second over five seconds, once `warmFrames` have been presented.
double FramesPerSecond(const Setup& setup, const std::vector<std::string>& argv, const std::string& folder,
                       std::size_t warmFrames)
{
    MeasuredProgram program(argv, folder, setup.environment);
    const auto& presents = program.WaitForPresents(warmFrames, 120);
    if (presents.size() < warmFrames)
        return NAN;
    const std::size_t first = presents.size() - 1;
    const double start = presents[first];
    program.WaitForPresents(1000000, 5);
    return (presents.size() - 1 - first) / (presents.back() - start);
}

struct Pacing {
    double worstMs = NAN;  // the frame furthest from its due time
    double driftMs = NAN;  // 600 frames against 10 000 ms
};

// 600 frames at 60 Hz from `warmFrames` on, against the due times 1000 / 60 ms apart.
Pacing MeasurePacing(const Setup& setup, const std::vector<std::string>& argv, const std::string& folder,
                     std::size_t warmFrames)
{
    Pacing pacing;
    MeasuredProgram program(argv, folder, setup.environment);
    const auto& presents = program.WaitForPresents(warmFrames + 601, 120);
    if (presents.size() < warmFrames + 601)
        return pacing;
    const double start = presents[warmFrames];
    pacing.worstMs = 0;
    for (int k = 0; k <= 600; ++k) {
        const double off = presents[warmFrames + static_cast<std::size_t>(k)] - (start + k / 60.0);
        pacing.worstMs = std::max(pacing.worstMs, std::fabs(off) * 1000);
    }
    pacing.driftMs = (presents[warmFrames + 600] - start - 10.0) * 1000;
    return pacing;
}

struct RuleFigures {
    double frameMicroseconds = NAN;   // the worst of the full-level frames
    std::string frameCase;
    double loadMicroseconds = NAN;    // the slowest shipped level
    std::string loadCase;
};

// Processor time of each case, from the rules benchmark's CSV output.
RuleFigures MeasureRules(const Setup& setup)
{
    RuleFigures figures;
    ChildSetup quiet;
    quiet.errors = "/dev/null";
    std::istringstream lines(RunToEnd({setup.rules, "--benchmark_format=csv", setup.data}, quiet).output);
    for (std::string text; std::getline(lines, text);) {
        if (text.empty() || text[0] != '"')
            continue;
        const std::size_t close = text.find('"', 1);
        const std::string name = text.substr(1, close - 1);
        std::vector<std::string> fields;
        for (std::size_t at = close + 2, next; at < text.size(); at = next + 1) {
            next = text.find(',', at);
            if (next == std::string::npos)
                next = text.size();
            fields.push_back(text.substr(at, next - at));
        }
        if (fields.size() < 4)
            continue;
        const double cpu = std::atof(fields[2].c_str());
        const std::string unit = fields[3];
        const double micro = unit == "ns" ? cpu / 1000 : unit == "ms" ? cpu * 1000 : unit == "s" ? cpu * 1e6 : cpu;
        if (name.rfind("frame/", 0) == 0 && !(micro <= figures.frameMicroseconds)) {
            figures.frameMicroseconds = micro;
            figures.frameCase = name.substr(6);
        }
        if (name.rfind("load/", 0) == 0 && name != "load/full level" && !(micro <= figures.loadMicroseconds)) {
            figures.loadMicroseconds = micro;
            figures.loadCase = name.substr(5);
        }
    }
    return figures;
}

void Row(const std::string& figure, const std::string& measured, const std::string& goal,
         const std::string& baseline, bool known, bool met)
{
    std::printf("%-50s %14s  %-24s %14s  %s\n", figure.c_str(), measured.c_str(), goal.c_str(), baseline.c_str(),
                !known ? "-" : met ? "met" : "NOT MET");
}

std::string Number(double value, const char* unit, int decimals = 1)
{
    if (std::isnan(value))
        return "n/a";
    char text[64];
    std::snprintf(text, sizeof text, "%.*f %s", decimals, value, unit);
    return text;
}

// The game at three sizes on a screen of 1920 x 1440, where a window of scale 2 fits and a
// full screen at the screen's mode shows the picture at scale 2, framed.
struct ScaledUsage {
    Usage bare;
    Usage menu[3], playing[3];  // scale 1, scale 2, full screen at the desktop's mode
};

ScaledUsage MeasureScaled(Setup setup, const std::string& menuScript, std::size_t menuFrame,
                          const std::string& levelScript, std::size_t levelFrame)
{
    ScaledUsage usage;
    VirtualScreen screen(1920, 1440);
    if (!screen.Running())
        return usage;
    setup.environment = {"DISPLAY=" + screen.Name(), "SDL_VIDEODRIVER=x11", "SDL_AUDIODRIVER=dummy"};
    const std::vector<std::string> shapes[3] = {{"Window_scale = 1", "Color_depth = 0"},
                                                {"Window_scale = 2", "Color_depth = 0"},
                                                {"Fullscreen = desktop", "Color_depth = 32"}};
    usage.bare = MeasureUsage(setup, screen.Pid(), {setup.bare}, ".", 60);
    for (int shape = 0; shape < 3; ++shape) {
        const std::string folder = MakeGameFolder(setup.data, 60, shapes[shape]);
        usage.menu[shape] = MeasureUsage(setup, screen.Pid(), {setup.game, "--script", menuScript}, folder, menuFrame);
        if (levelFrame > 0)
            usage.playing[shape] = MeasureUsage(setup, screen.Pid(), {setup.game, "--script", levelScript}, folder, levelFrame);
        RemoveGameFolder(folder);
    }
    return usage;
}

void ScaledRows(const ScaledUsage& usage, const std::string& level)
{
    const char* const shapes[3] = {"scale 1", "scale 2", "full screen at the desktop's mode, scale 2"};
    for (const auto& [screen, figures] : {std::pair{std::string("main menu"), usage.menu}, std::pair{level, usage.playing}}) {
        const double one = figures[0].cpuPercent;
        for (int shape = 0; shape < 3; ++shape) {
            const double cpu = figures[shape].cpuPercent;
            const bool goal = shape == 1;
            Row("CPU at 60 Hz on 1920 x 1440: " + screen + ", " + shapes[shape], Number(cpu, "%"),
                goal ? "<= 2 x scale 1 = " + Number(2 * one, "%") : "-", Number(usage.bare.cpuPercent, "%"),
                goal && !std::isnan(cpu) && !std::isnan(one), cpu <= 2 * one);
        }
    }
}

bool ReadArguments(int argc, char** argv, Setup& setup)
{
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        if (name == "--build")
            setup.build = argv[i + 1];
        else if (name == "--data")
            setup.data = argv[i + 1];
        else if (name == "--seconds")
            setup.seconds = std::atof(argv[i + 1]);
        else
            return false;
    }
    return argc % 2 == 1 && setup.seconds > 0;
}

}  // namespace

int main(int argc, char** argv)
{
    Setup setup;
    if (!ReadArguments(argc, argv, setup)) {
        std::fprintf(stderr, "usage: bench_figures [--build DIR] [--data DIR] [--seconds N]\n");
        return 2;
    }
    const std::string build = std::filesystem::absolute(setup.build).string();
    setup.bare = build + "/bench/bare/bench_bare";
    setup.game = build + "/frontend/tindlewick";
    setup.rules = build + "/bench/rules/bench_rules";
    setup.data = std::filesystem::absolute(setup.data).string();
    VirtualScreen screen;
    if (!screen.Running()) {
        std::fprintf(stderr, "Xvfb could not be started: install the package xvfb.\n");
        return 1;
    }
    setup.environment = {"DISPLAY=" + screen.Name(), "SDL_VIDEODRIVER=x11", "SDL_AUDIODRIVER=dummy"};
    const std::string paced = MakeGameFolder(setup.data, 60);
    const std::string unpaced = MakeGameFolder(setup.data, 0);
    const DensestLevel densest = FindDensestLevel(setup.data);
    const std::string toMenu = paced + "/menu.script", toLevel = paced + "/level.script";
    const std::size_t menuFrame = static_cast<std::size_t>(WriteScriptToMenu(toMenu));
    const std::size_t levelFrame = densest.number >= 0 ? static_cast<std::size_t>(WriteScriptToLevel(toLevel, densest.number)) : 0;
    const std::vector<std::string> bare = {setup.bare};
    const std::vector<std::string> game = {setup.game};
    const std::vector<std::string> gameInMenu = {setup.game, "--script", toMenu};
    const std::vector<std::string> gameInLevel = {setup.game, "--script", toLevel};
    std::fprintf(stderr, "measuring under Xvfb %s; the densest level is %d (%d objects)\n", screen.Name().c_str(),
                 densest.number, densest.objects);

    // Mesa keeps the shaders it compiled on disk; with its cache off each run compiles them
    // all again, as a first run after an upgrade would.
    Setup cold = setup;
    cold.environment.push_back("MESA_SHADER_CACHE_DISABLE=true");
    std::vector<double> bareStarts, gameStarts, bareColdStarts, gameColdStarts;
    for (int round = 0; round < 5; ++round) {
        bareStarts.push_back(StartUpSeconds(setup, bare, paced) * 1000);
        gameStarts.push_back(StartUpSeconds(setup, game, paced) * 1000);
        bareColdStarts.push_back(StartUpSeconds(cold, bare, paced) * 1000);
        gameColdStarts.push_back(StartUpSeconds(cold, game, paced) * 1000);
    }
    const Usage bareIdle = MeasureUsage(setup, screen.Pid(), bare, paced, 60);
    const Usage bareQuads = MeasureUsage(setup, screen.Pid(), {setup.bare, "--quads"}, paced, 60);
    const Usage language = MeasureUsage(setup, screen.Pid(), game, paced, 60);
    const Usage menus = MeasureUsage(setup, screen.Pid(), gameInMenu, paced, menuFrame);
    const bool levels = densest.number >= 0;
    const Usage playing = levels ? MeasureUsage(setup, screen.Pid(), gameInLevel, paced, levelFrame) : Usage();
    const double bareQuadsRate = FramesPerSecond(setup, {setup.bare, "--quads", "--unpaced"}, paced, 30);
    const double playingRate = levels ? FramesPerSecond(setup, gameInLevel, unpaced, levelFrame) : NAN;
    const Pacing barePacing = MeasurePacing(setup, bare, paced, 60);
    const Pacing gamePacing = levels ? MeasurePacing(setup, gameInLevel, paced, levelFrame)
                                     : MeasurePacing(setup, game, paced, 60);
    const RuleFigures rules = MeasureRules(setup);
    const ScaledUsage scaled = MeasureScaled(setup, toMenu, menuFrame, toLevel, levelFrame);
    RemoveGameFolder(paced);
    RemoveGameFolder(unpaced);

    const std::string level = levels ? "level " + std::to_string(densest.number) + ", " + std::to_string(densest.objects) + " objects" : "no levels shipped";
    std::printf("%-50s %14s  %-24s %14s  %s\n", "figure", "game", "goal", "bare program", "verdict");
    const double bareStart = Median(bareStarts), gameStart = Median(gameStarts);
    Row("start-up to the first frame, median of 5 (warm)", Number(gameStart, "ms", 0), "<= 1.3 x = " + Number(1.3 * bareStart, "ms", 0),
        Number(bareStart, "ms", 0), !std::isnan(gameStart), gameStart <= 1.3 * bareStart);
    const double bareColdStart = Median(bareColdStarts), gameColdStart = Median(gameColdStarts);
    Row("start-up as above, Mesa's shader cache off (cold)", Number(gameColdStart, "ms", 0),
        "<= 1.3 x = " + Number(1.3 * bareColdStart, "ms", 0), Number(bareColdStart, "ms", 0), !std::isnan(gameColdStart),
        gameColdStart <= 1.3 * bareColdStart);
    Row("CPU at 60 Hz with the X server: language screen", Number(language.cpuPercent, "%"), "<= " + Number(bareIdle.cpuPercent, "%"),
        Number(bareIdle.cpuPercent, "%"), !std::isnan(language.cpuPercent), language.cpuPercent <= bareIdle.cpuPercent);
    Row("CPU at 60 Hz with the X server: main menu", Number(menus.cpuPercent, "%"), "<= " + Number(bareIdle.cpuPercent, "%"),
        Number(bareIdle.cpuPercent, "%"), !std::isnan(menus.cpuPercent), menus.cpuPercent <= bareIdle.cpuPercent);
    Row("CPU at 60 Hz with the X server: " + level, Number(playing.cpuPercent, "%"), "<= 2 x = " + Number(2 * bareIdle.cpuPercent, "%"),
        Number(bareIdle.cpuPercent, "%"), !std::isnan(playing.cpuPercent), playing.cpuPercent <= 2 * bareIdle.cpuPercent);
    Row("unpaced frames a second: " + level + " (bare: 1105 quads)", Number(playingRate, "/s", 0), ">= 4 x = " + Number(4 * bareQuadsRate, "/s", 0),
        Number(bareQuadsRate, "/s", 0), !std::isnan(playingRate), playingRate >= 4 * bareQuadsRate);
    // Against the bare program drawing textured quads: drawing any texture loads the parts
    // of the driver that compile its shaders, which a program that only clears never touches.
    Row("resident memory: " + level + " (bare: 1105 quads)", Number(playing.residentMegabytes, "MB"),
        "<= +10 = " + Number(bareQuads.residentMegabytes + 10, "MB"), Number(bareQuads.residentMegabytes, "MB"),
        !std::isnan(playing.residentMegabytes), playing.residentMegabytes <= bareQuads.residentMegabytes + 10);
    Row(std::string("pacing, 600 frames at 60 Hz: worst frame off due, ") + (levels ? "playing" : "language screen"),
        Number(gamePacing.worstMs, "ms", 2), "<= 2 ms", Number(barePacing.worstMs, "ms", 2), !std::isnan(gamePacing.worstMs),
        gamePacing.worstMs <= 2);
    Row("pacing, 600 frames at 60 Hz: drift from 10 000 ms", Number(gamePacing.driftMs, "ms", 2), "within 2 ms",
        Number(barePacing.driftMs, "ms", 2), !std::isnan(gamePacing.driftMs), std::fabs(gamePacing.driftMs) <= 2);
    Row("game frame, 1105 objects, CPU (" + rules.frameCase + ")", Number(rules.frameMicroseconds, "us", 2), "<= 20 us", "-",
        !std::isnan(rules.frameMicroseconds), rules.frameMicroseconds <= 20);
    Row("Map::Load, slowest shipped level, CPU (" + (rules.loadCase.empty() ? std::string("none") : rules.loadCase) + ")",
        Number(rules.loadMicroseconds, "us", 0), "<= 1000 us", "-", !std::isnan(rules.loadMicroseconds),
        rules.loadMicroseconds <= 1000);
    ScaledRows(scaled, level);
    std::printf("(CPU: the program's and the X server's processor time over %.0f s; the program's own share: "
                "language screen %s, menu %s, level %s; bare %s)\n",
                setup.seconds, Number(language.programPercent, "%").c_str(), Number(menus.programPercent, "%").c_str(),
                Number(playing.programPercent, "%").c_str(), Number(bareIdle.programPercent, "%").c_str());
    std::printf("(The bare program drawing 1105 quads at 60 Hz: CPU %s with the X server, resident memory %s, what "
                "textured drawing costs by itself under this renderer)\n",
                Number(bareQuads.cpuPercent, "%").c_str(), Number(bareQuads.residentMegabytes, "MB").c_str());
    return 0;
}

// The bare program the game's figures are measured against: an 800 x 600 SDL2 + OpenGL
// window that clears and presents, paced to 60 Hz, or (--quads) that also draws 1105
// textured, alpha-blended 32 x 32 quads a frame, as many as a full level has cells and a few
// more. Nothing of the game's own code is linked in: it shows what the window system and
// the OpenGL driver cost by themselves.
//   bench_bare [--quads] [--unpaced] [--frames N]
// It runs until it is stopped, or for N frames, then prints "frames F seconds S". With
// TINDLEWICK_PRESENT_FD set it writes the CLOCK_MONOTONIC time of each present, in
// nanoseconds, to that file descriptor, a line each, as the game does.
#include <SDL.h>
#include <SDL_opengl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int Width = 800;
constexpr int Height = 600;
constexpr int QuadCount = 1105;
constexpr int Hertz = 60;

struct Options {
    bool quads = false;
    bool paced = true;
    long frames = 0;
};

bool ReadOptions(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--quads")
            options.quads = true;
        else if (arg == "--unpaced")
            options.paced = false;
        else if (arg == "--frames" && i + 1 < argc)
            options.frames = std::atol(argv[++i]);
        else
            return false;
    }
    return true;
}

double Now()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

void MarkPresent()
{
    static const char* const fd = std::getenv("TINDLEWICK_PRESENT_FD");
    if (!fd)
        return;
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const std::string line = std::to_string(static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec) + "\n";
    if (write(std::atoi(fd), line.data(), line.size()) < 0)
        std::perror("first present mark");
}

// A 32 x 32 picture with some see-through texels, so blending does real work.
GLuint MakeTile()
{
    std::vector<unsigned char> pixels(32 * 32 * 4);
    for (std::size_t i = 0; i < pixels.size(); i += 4) {
        pixels[i] = static_cast<unsigned char>(i);
        pixels[i + 1] = 160;
        pixels[i + 2] = 90;
        pixels[i + 3] = static_cast<unsigned char>(i % 7 == 0 ? 128 : 255);
    }
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, 32, 32, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return texture;
}

// The quads lie over the window in rows, wrapping, each covering its whole 32 x 32 pixels.
struct QuadArrays {
    std::vector<float> positions;
    std::vector<float> texCoords;
};

QuadArrays MakeQuads()
{
    QuadArrays arrays;
    const float corners[4][2] = {{0, 0}, {32, 0}, {32, 32}, {0, 32}};
    for (int i = 0; i < QuadCount; ++i) {
        const float x = static_cast<float>(i * 32 % (Width - 32));
        const float y = static_cast<float>(i / 24 * 32 % (Height - 32));
        for (const auto& corner : corners) {
            arrays.positions.insert(arrays.positions.end(), {x + corner[0], y + corner[1]});
            arrays.texCoords.insert(arrays.texCoords.end(), {corner[0] / 32, corner[1] / 32});
        }
    }
    return arrays;
}

void SetUpQuadDrawing(const QuadArrays& arrays)
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, Width, Height, 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glVertexPointer(2, GL_FLOAT, 0, arrays.positions.data());
    glTexCoordPointer(2, GL_FLOAT, 0, arrays.texCoords.data());
}

// Sleeps until the next frame is due, 1000 / 60 ms after the last, without drifting.
void WaitForFrame(double& due)
{
    due += 1.0 / Hertz;
    const double wait = due - Now();
    if (wait > 0)
        SDL_Delay(static_cast<Uint32>(wait * 1000.0 + 0.5));
    else
        due = Now();
}

}  // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!ReadOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: bench_bare [--quads] [--unpaced] [--frames N]\n");
        return 2;
    }
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "SDL: %s\n", SDL_GetError());
        return 1;
    }
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_Window* window = SDL_CreateWindow("bare", 32, 32, Width, Height, SDL_WINDOW_OPENGL);
    SDL_GLContext context = window ? SDL_GL_CreateContext(window) : nullptr;
    if (!context) {
        std::fprintf(stderr, "SDL: %s\n", SDL_GetError());
        return 1;
    }
    SDL_GL_SetSwapInterval(0);
    QuadArrays quads;
    if (options.quads) {
        quads = MakeQuads();
        MakeTile();
        SetUpQuadDrawing(quads);
    }
    glClearColor(0.1f, 0.1f, 0.15f, 1);
    bool running = true;
    long frames = 0;
    const double start = Now();
    double due = start;
    while (running && (options.frames == 0 || frames < options.frames)) {
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
            if (event.type == SDL_QUIT)
                running = false;
        }
        glClear(GL_COLOR_BUFFER_BIT);
        if (options.quads)
            glDrawArrays(GL_QUADS, 0, QuadCount * 4);
        if (options.paced)
            WaitForFrame(due);
        SDL_GL_SwapWindow(window);
        MarkPresent();
        ++frames;
    }
    std::printf("frames %ld seconds %.3f\n", frames, Now() - start);
    SDL_GL_DeleteContext(context);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}

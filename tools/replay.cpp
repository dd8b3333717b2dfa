// vorkkeli-replay: the game's own start-up, frame loop and shutdown, on a
// script of inputs from standard input and a made-up clock that is never late;
// prints the state after each frame and can save frames as PNG.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <map>
#include <sstream>
#include <string>

#include "i_input.h"
#include "i_system.h"
#include "i_timer.h"
#include "i_video.h"
#include "png_shot.h"

static const char USAGE[] = "usage: vorkkeli-replay [--shot FRAME:FILE.png]... < script\n";


static bool parse_int(const std::string &text, long lo, long hi, int *out)
{
    if (text.empty())
        return false;
    char *end = NULL;
    errno = 0;
    long value = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0' || errno != 0 || value < lo || value > hi)
        return false;
    *out = (int)value;
    return true;
}

// The steering subtracts the centre from the pointer's x: an x below this
// would overflow there. A real pointer is never near it.
static const long POINTER_X_MIN = -2147483647L - 1 + SCREEN_CENTRE_X;

// "MOUSE_X BUTTONS KEYS", KEYS comma-separated SDL 1.2 key codes or "-".
// Escape (27) among them is pressed in that frame: the frame's quit request.
// Returns NULL, or what is wrong with the line.
static const char *parse_frame(const std::string &line, TicCmd *in)
{
    static const char *const SHAPE = "not \"MOUSE_X BUTTONS KEYS\"";
    std::istringstream fields(line);
    std::string x, buttons, keys, extra;
    if (!(fields >> x >> buttons >> keys) || (fields >> extra))
        return SHAPE;
    if (!parse_int(x, POINTER_X_MIN, 2147483647L, &in->pointer_x))
        return "MOUSE_X is not a whole number from -2147483328 to 2147483647";
    if (!parse_int(buttons, -2147483647L - 1, 2147483647L, &in->buttons))
        return SHAPE;
    std::memset(in->keys, 0, sizeof in->keys);
    if (keys != "-") {
        std::stringstream codes(keys);
        std::string code;
        while (std::getline(codes, code, ',')) {
            int key = 0;
            if (!parse_int(code, 0, SDLK_LAST - 1, &key))
                return SHAPE;
            in->keys[key] = 1;
        }
        if (keys.back() == ',')
            return SHAPE;
    }
    in->quit = in->keys[SDLK_ESCAPE] != 0;
    return NULL;
}

static void print_state(long long frame, const PlayState &ps)
{
    printf("%lld view=%d drive=%d speed=%.9g steer=%.9g heading=%.9g yaw=%.9g travel=%.9g sprite=%.9g "
           "pos=%.9g,%.9g vel=%.9g,%.9g piston=%.9g,%.9g\n",
           frame, ps.view_mode, ps.drive_mode, ps.speed, ps.steer, ps.heading, ps.yaw_rate,
           ps.travel_heading, ps.sprite_angle, ps.pos_x, ps.pos_y, ps.vel_x, ps.vel_y,
           ps.piston_phase, ps.piston_offset);
}

static bool parse_shots(int argc, char **argv, std::map<long, std::string> *shots)
{
    for (int i = 1; i < argc; i++) {
        if (std::strcmp(argv[i], "--shot") != 0 || i + 1 >= argc)
            return false;
        std::string shot = argv[++i];
        size_t colon = shot.find(':');
        int frame = 0;
        if (colon == std::string::npos || colon + 1 == shot.size() ||
            !parse_int(shot.substr(0, colon), 1, 2147483647L, &frame))
            return false;
        (*shots)[frame] = shot.substr(colon + 1);
    }
    return true;
}

static std::map<long, std::string> shots;
static int status = 0;
static long long frame = 0, line_number = 0, now_ns = 0;

// The replay's own platform edge: a made-up clock on which waiting takes no
// time and nothing else does either, so every frame starts on its slot and is
// shown; each frame's input is the script's next line; a frame is printed
// instead of flipped.
void i_init_system() {}

long long i_now_ns()
{
    return now_ns;
}

void i_wait_until_ns(long long when_ns)
{
    now_ns = when_ns > now_ns ? when_ns : now_ns;
}

long long i_cpu_ns()
{
    return now_ns;
}

// The surface as the game asks for it, on SDL's dummy driver.
SDL_Surface *i_open_screen(const char *, int width, int height)
{
    SDL_Surface *surface = SDL_SetVideoMode(width, height, 32, SDL_FULLSCREEN | SDL_DOUBLEBUF | SDL_HWSURFACE);
    if (surface == NULL)
        fprintf(stderr, "Näyttötilaa ei saatu avattua: %s\n", SDL_GetError());
    return surface;
}

// A malformed line ends the input, and the run, with status 2.
bool i_gather_tic(TicCmd &cmd)
{
    std::string line;
    while (std::getline(std::cin, line)) {
        line_number++;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos || line[0] == '#')
            continue;
        const char *wrong = parse_frame(line, &cmd);
        if (wrong == NULL)
            return true;
        fprintf(stderr, "vorkkeli-replay: line %lld is %s: %s\n", line_number, wrong, line.c_str());
        status = 2;
        return false;
    }
    return false;
}

void i_finish_frame(const PlayState &ps, bool shown)
{
    frame++;
    print_state(frame, ps);
    auto shot = shots.find(frame);
    if (shown && shot != shots.end() && save_png(screen, shot->second.c_str()) != 0)
        status = 1;
}

bool i_animation_frames()
{
    return false;
}

int main(int argc, char *argv[])
{
    if (!parse_shots(argc, argv, &shots)) {
        fputs(USAGE, stderr);
        return 2;
    }

    static PlayState ps;
    if (start_up(ps) != 0)
        return 1;
    run_game_loop(ps);
    fflush(stdout);
    shut_down(ps);
    return status;
}

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

#include "png_shot.h"
#include "vorkkeli.h"

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

// "MOUSE_X BUTTONS KEYS", KEYS comma-separated SDL 1.2 key codes or "-";
// Escape (27) among them is pressed, not held: see read_next_line.
static bool parse_frame(const std::string &line, TicCmd *in)
{
    std::istringstream fields(line);
    std::string x, buttons, keys, extra;
    if (!(fields >> x >> buttons >> keys) || (fields >> extra))
        return false;
    if (!parse_int(x, -2147483647L - 1, 2147483647L, &in->pointer_x) ||
        !parse_int(buttons, -2147483647L - 1, 2147483647L, &in->buttons))
        return false;
    in->buttons &= 0xFF;
    std::memset(in->keys, 0, sizeof in->keys);
    if (keys == "-")
        return true;
    std::stringstream codes(keys);
    std::string code;
    while (std::getline(codes, code, ',')) {
        int key = 0;
        if (!parse_int(code, 0, SDLK_LAST - 1, &key))
            return false;
        in->keys[key] = 1;
    }
    return keys.back() != ',';
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
        std::string spec = argv[++i];
        size_t colon = spec.find(':');
        int frame = 0;
        if (colon == std::string::npos || colon + 1 == spec.size() ||
            !parse_int(spec.substr(0, colon), 1, 2147483647L, &frame))
            return false;
        (*shots)[frame] = spec.substr(colon + 1);
    }
    return true;
}

static std::map<long, std::string> shots;
static int status = 0;
static long long frame = 0, line_number = 0, now_ns = 0;
static bool have_line = false;
static TicCmd next;

// Reads the next frame's line ahead, between frames, as a real key press
// arrives: an Escape in it goes into SDL's queue as a key-down, for the next
// frame's event drain to find. A malformed line ends the input.
static void read_next_line()
{
    std::string line;
    have_line = false;
    while (std::getline(std::cin, line)) {
        line_number++;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos || line[0] == '#')
            continue;
        if (!parse_frame(line, &next)) {
            fprintf(stderr, "vorkkeli-replay: line %lld is not \"MOUSE_X BUTTONS KEYS\": %s\n", line_number,
                    line.c_str());
            status = 2;
            return;
        }
        if (next.keys[SDLK_ESCAPE]) {
            SDL_Event escape = {};
            escape.type = SDL_KEYDOWN;
            escape.key.state = SDL_PRESSED;
            escape.key.keysym.sym = SDLK_ESCAPE;
            SDL_PushEvent(&escape);
        }
        have_line = true;
        return;
    }
}

// The made-up clock: waiting takes no time and nothing else does either, so
// every frame starts on its slot and is shown.
long long i_now_ns()
{
    return now_ns;
}

void i_wait_until_ns(long long when_ns)
{
    now_ns = when_ns > now_ns ? when_ns : now_ns;
}

bool i_read_controls(TicCmd &cmd)
{
    if (!have_line)
        return false;
    cmd.pointer_x = next.pointer_x;
    cmd.buttons = next.buttons;
    std::memcpy(cmd.keys, next.keys, sizeof cmd.keys);
    return true;
}

void i_finish_frame(const PlayState &ps, bool shown)
{
    frame++;
    print_state(frame, ps);
    auto shot = shots.find(frame);
    if (shown && shot != shots.end() && save_png(screen, shot->second.c_str()) != 0)
        status = 1;
    if (!ps.quit)
        read_next_line();
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
    read_next_line();
    run_game_loop(ps);
    fflush(stdout);
    shut_down(ps);
    return status;
}

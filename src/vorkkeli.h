// vorkkeli: the game's one record (PlayState), a frame's gathered input
// (TicCmd), the display surface, and the game's entry points.
#ifndef VORKKELI_H
#define VORKKELI_H

#include <SDL.h>
#include <SDL_mixer.h>

// The window, and the pointer x that steers straight ahead.
enum { SCREEN_WIDTH = 640, SCREEN_HEIGHT = 480, SCREEN_CENTRE_X = SCREEN_WIDTH / 2 };

// Handling state of the car.
typedef int DriveMode;
enum { DRIVE_GRIP = 1, DRIVE_SLIDE = 2, DRIVE_SPIN = 3 };

// Which picture a frame draws.
typedef int ViewMode;
enum { VIEW_DRIVING = 1, VIEW_ENGINE = 2 };

enum { TRACK_COLUMNS = 11, TRACK_ROWS = 12, TILE_SIZE = 64 };

// Tile codes indexed [column][row]; stored column by column.
typedef int TrackMap[TRACK_COLUMNS][TRACK_ROWS];

// Every variable of the game loop, in this order.
// Real-valued fields are single precision on purpose: each expression over them
// is evaluated in double and rounded to float only where it is stored.
struct PlayState {
    int screen_width;
    int screen_height;
    int quit;
    float pos_x;
    float map_origin_x;
    float vel_x;
    float pos_y;
    float map_origin_y;
    float vel_y;
    int mouse_buttons;
    int mouse_x;
    float piston_offset;
    float piston_phase;
    float speed;
    TrackMap track;
    float heading;
    float yaw_rate;
    float sprite_angle;
    float travel_heading;
    ViewMode view_mode;
    DriveMode drive_mode;
    float steer;
    Mix_Chunk *sound_chunk;
};

// One frame's input, gathered before the frame's logic runs: whether the event
// queue asked to quit, then the held keys (indexed by SDL 1.2 key codes,
// non-zero for held), the pointer's x and the mouse buttons as queried. The
// game gathers it at its platform edge; the replay tool and the tests make it.
struct TicCmd {
    int quit;
    int pointer_x;
    int buttons;
    Uint8 keys[SDLK_LAST];
};

// The display surface every view draws on; startup.cpp makes it.
extern SDL_Surface *screen;

// startup.cpp: the initial state, start-up and shutdown.
void init_play_state(PlayState &ps);
// 0 when the frame loop may begin; 1 when the program must end with that
// status, its message printed and SDL shut down.
int start_up(PlayState &ps);
void shut_down(PlayState &ps);

// loop.cpp: frames until a quit request or the input's end.
void run_game_loop(PlayState &ps);

// frame.cpp: one tic from its gathered input (controls, motion, the piston),
// and the picture of the state, drawn only for a tic that will be shown.
void run_tic(PlayState &ps, const TicCmd &cmd);
void draw_frame(const PlayState &ps);

#endif

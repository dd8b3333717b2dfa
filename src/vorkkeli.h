// vorkkeli: the shared record of the game loop, the image handles and every step's entry point.
// Every file of the program includes this one; nothing here allocates or calls SDL.
#ifndef VORKKELI_H
#define VORKKELI_H

#include <SDL.h>
#include <SDL_mixer.h>

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
// non-zero for held), the pointer's x and the mouse buttons' low 8 bits. The
// game, the replay tool, the benchmark and the tests all run frames on it.
struct TicCmd {
    int quit;
    int pointer_x;
    int buttons;
    Uint8 keys[SDLK_LAST];
};

// Image handles, null until set (i_video.cpp owns screen, images.cpp the
// pictures, the driving view vehicle_rotated).
extern SDL_Surface *screen;
extern SDL_Surface *kuula;
extern SDL_Surface *kuva;
extern SDL_Surface *laatta1;
extern SDL_Surface *laatta2;
extern SDL_Surface *laatta3;
extern SDL_Surface *mopo;
extern SDL_Surface *piston;
extern SDL_Surface *volvo;
extern SDL_Surface *vehicle_rotated;

// startup.cpp
void init_play_state(PlayState &ps);
int start_up(PlayState &ps);
void shut_down(PlayState &ps);

// i_video.cpp: the window, the pointer, and a display that is missing or lost.
int open_window(const PlayState &ps);

// frame.cpp: the event drain, and one frame from its input.
int drain_events();
void run_tic(PlayState &ps, const TicCmd &cmd);

// loop.cpp: frames on the schedule until a quit request or the input's end.
void run_game_loop(PlayState &ps);

// The platform edge the loop stands on. The game links i_loop.cpp; the replay
// tool and the tests link their own, with made-up clocks, input and displays.
long long i_now_ns();
void i_wait_until_ns(long long when_ns);
// Reads the held keys, the pointer's x and the buttons into cmd (after the
// event drain); false when the input has ended (only a script's can).
bool i_read_controls(TicCmd &cmd);
// The frame is drawn; show it unless it is too late to.
void i_finish_frame(const PlayState &ps, bool shown);

// images.cpp
SDL_Surface *load_image(const char *file_name);
void blit_region(SDL_Surface *dst, SDL_Surface *src, int dst_x, int dst_y, int dst_w, int dst_h,
                 int src_x, int src_y, int src_w, int src_h);
void load_images();
void apply_colour_keys();
void make_black_transparent(SDL_Surface *image);
void free_images();

// sound.cpp
Mix_Chunk *load_sound();
Mix_Chunk *open_sound();
void play_sound(Mix_Chunk *sound_chunk);
void free_sound(Mix_Chunk *&sound_chunk);

// controls.cpp
void apply_controls(PlayState &ps, const TicCmd &cmd);

// motion.cpp
void step_motion(PlayState &ps);

// track.cpp
void init_track(TrackMap track);
void draw_track(SDL_Surface *dst, const TrackMap track, float map_origin_x, float map_origin_y);

// driving_view.cpp
double sprite_rotation(const PlayState &ps);
int sprite_position(float centre, int rotated_size, int footprint_size);
void draw_driving_view(const PlayState &ps);

// engine_view.cpp
void step_piston(PlayState &ps);
int piston_y(const PlayState &ps);
void draw_engine_view(PlayState &ps);

// pacing.cpp: frame k of the schedule is due at origin_ns + k / 60 s.
enum { FRAMES_PER_SECOND = 60 };
// Further behind than this (a stopped process, a machine too busy to run us)
// pacing starts again instead of running a burst of catch-up frames.
const long long STALL_NS = 100000000; // 0.1 s
struct FrameSchedule {
    long long origin_ns;
    long long frame; // the frame about to run, or running
};
FrameSchedule start_schedule(long long now_ns);
// When the frame may start; after a long stall the schedule restarts from now.
long long frame_start(FrameSchedule &schedule, long long now_ns);
// Whether the frame finished before the next one is due, so may be shown.
bool frame_in_time(const FrameSchedule &schedule, long long now_ns);
void next_frame(FrameSchedule &schedule);

// display_lock.cpp: near 60 Hz the display paces the game, one step per
// refresh, each frame started as late as its cost allows; elsewhere the
// schedule does. Pure: the loop passes in the times it observed.
enum { PACE_SCHEDULE, PACE_PROBE, PACE_LOCKED };
enum { WORK_SAMPLES = 64 };
struct FramePacer {
    int mode;
    FrameSchedule schedule;            // followed unless locked
    long long period_ns, refresh_ns;   // the display's refresh as estimated: period, and the latest seen
    long long last_return_ns;          // when the last shown frame's flip returned
    int steady;                        // shown frames in a row whose returns were one 60 Hz period apart
    int probe_left, probe_hits;
    long long next_probe_frame;
    long long start_ns;                // when this frame was meant to start
    long long target_ns;               // locked: the refresh this frame aims at
    int off_refresh, hits;             // returns off the refreshes in a row; hits since the safety last changed
    long long safety_ns;
    long long work_ns[WORK_SAMPLES];   // the latest frames' cost, meant start to flip
    int work_count;
};
FramePacer start_pacer(long long now_ns);
long long pacer_frame_start(FramePacer &pacer, long long now_ns);
bool pacer_may_show(const FramePacer &pacer, long long drawn_ns);
void pacer_frame_done(FramePacer &pacer, long long drawn_ns, bool shown, long long returned_ns);

// geometry.cpp: nothing in the game calls it.
void intersect_lines(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4,
                     float *out_x, float *out_y);

#endif

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

// Every variable of the game loop, in the order the game has always kept them.
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

// Image handles, null until loaded (images.cpp owns them; vehicle_rotated
// belongs to the driving view).
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

// frame.cpp: the event drain, the clear, keys and view of every frame, and
// a whole frame's work from given inputs (for the tools).
void drain_events(PlayState &ps);
void draw_frame(PlayState &ps);
void run_frame(PlayState &ps, const Uint8 *keys, int pointer_x, int buttons);

// images.cpp
SDL_Surface *load_image(const char *file_name);
void blit_region(SDL_Surface *dst, SDL_Surface *src, int dst_x, int dst_y, int dst_w, int dst_h,
                 int src_x, int src_y, int src_w, int src_h);
void load_images();
void apply_colour_keys();
void free_images();

// sound.cpp
Mix_Chunk *load_sound();
Mix_Chunk *open_sound();
void play_sound(Mix_Chunk *sound_chunk);
void free_sound(Mix_Chunk *&sound_chunk);

// controls.cpp: apply_controls samples SDL; act_on_controls is the logic.
void apply_controls(PlayState &ps);
void act_on_controls(PlayState &ps, const Uint8 *keys, int pointer_x, int buttons);

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
struct FrameSchedule {
    long long origin_ns;
    long long frame; // the frame about to run, or just run
};
FrameSchedule start_schedule(long long now_ns);
// When the next frame may start; after a long stall the schedule restarts from now.
long long frame_start(FrameSchedule &schedule, long long now_ns);
// Counts the frame just drawn; false when it is too late to be shown.
bool frame_shown(FrameSchedule &schedule, long long now_ns);
long long monotonic_ns();
void wait_until_ns(long long when_ns);

// geometry.cpp: nothing in the game calls it.
void intersect_lines(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4,
                     float *out_x, float *out_y);

#endif

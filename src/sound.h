// The one sound effect: opening the mixer, loading the jingle, playing it on
// channel 0, freeing it.
#ifndef SOUND_H
#define SOUND_H

#include <SDL_mixer.h>

Mix_Chunk *load_sound();
Mix_Chunk *open_sound();
void play_sound(Mix_Chunk *sound_chunk);
void free_sound(Mix_Chunk *&sound_chunk);

#endif

// The one sound effect: opening the mixer, loading the jingle, starting it on
// channel 0, and freeing it at shutdown.
#include <cstdio>

#include "sound.h"

// Reads and decodes the whole jingle from the working directory; null when the
// file is missing or not a WAV the mixer can decode, or no device is open.
Mix_Chunk *load_sound()
{
    return Mix_LoadWAV_RW(SDL_RWFromFile("polkumusiikkitiedostoon.wav", "rb"), 1);
}

// A failure to open the device is reported without a line feed; a sound that
// does not load is silent here and shows up as an error on each F3 instead.
Mix_Chunk *open_sound()
{
    if (Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 1024) == -1)
        fprintf(stderr, "SDL_Mixerin alustus ei onnistunut.");
    return load_sound();
}

// Always channel 0, loop count 1 (the jingle plays twice), so each held F3
// frame restarts it from the beginning. Reports run on along one line.
void play_sound(Mix_Chunk *sound_chunk)
{
    if (Mix_PlayChannelTimed(0, sound_chunk, 1, -1) == -1)
        fprintf(stderr, "Virhe : %s ", SDL_GetError());
}

void free_sound(Mix_Chunk *&sound_chunk)
{
    Mix_FreeChunk(sound_chunk); // a null chunk is allowed and does nothing
    sound_chunk = NULL;
}

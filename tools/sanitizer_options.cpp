// Settings for the sanitizer build, compiled into each of its programs so the
// tests, the tools and the game need no environment of their own.

// Full unwinding: the libraries are built without frame pointers, and the
// suppression below must see the call that allocated.
extern "C" const char *__asan_default_options() { return "fast_unwind_on_malloc=0"; }

// Quiet when only suppressed leaks were found: the tests read standard error.
extern "C" const char *__lsan_default_options() { return "print_suppressions=0"; }

// Leaks of the libraries' own: SDL 1.2-on-SDL2 does not free its wrapper of
// the display surface in SDL_Quit (a program that only sets the mode and quits
// leaks the same 360 bytes), and libdbus keeps a buffer when SDL, looking for
// a display that will not open, has talked to the bus.
extern "C" const char *__lsan_default_suppressions() { return "leak:SDL_SetVideoMode\nleak:libdbus-1.so\n"; }

// The platform edge, the process: readied before SDL starts. The game links
// its platform's i_*.cpp; the replay tool and the tests link their own.
#ifndef I_SYSTEM_H
#define I_SYSTEM_H

// i_system_*.cpp: SDL asked to wait for the display's refresh unless the
// user has said otherwise; on Windows the game's own folder made the working
// folder and the sound driver chosen. (In the browser, nothing to do.)
void i_init_system();

#endif

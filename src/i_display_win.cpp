// The display's checks on Windows: there is always a desktop to open the
// window on (a failed video mode is reported by start-up), and none goes away.
#include "i_video.h"

bool i_on_wayland()
{
    return false;
}

int i_check_display()
{
    return 0;
}

// Windows resizes and places the window before the switch returns.
void i_wait_window_settled() {}

// Linked into the replay tool on Windows only: its trace goes out with bare
// line feeds, byte for byte as on Linux, not as the C runtime's CR LF.
#include <fcntl.h>
#include <io.h>

#include <cstdio>

static const int binary_stdout = _setmode(_fileno(stdout), _O_BINARY);

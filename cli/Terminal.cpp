#include "Terminal.h"

#include <cstdio>

#ifdef _WIN32
#include <io.h>
#define CORVANTA_ISATTY _isatty
#define CORVANTA_FILENO _fileno
#else
#include <unistd.h>
#define CORVANTA_ISATTY isatty
#define CORVANTA_FILENO fileno
#endif

bool StdinIsTerminal() { return CORVANTA_ISATTY(CORVANTA_FILENO(stdin)) != 0; }
bool StderrIsTerminal() { return CORVANTA_ISATTY(CORVANTA_FILENO(stderr)) != 0; }

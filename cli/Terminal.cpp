#include "Terminal.h"

#include "Operation.h"

#include <cstdio>

#ifdef _WIN32
#include <io.h>
#define CORVANTA_ISATTY _isatty
#define CORVANTA_FILENO _fileno
#include <iostream>
#else
#include <poll.h>
#include <unistd.h>
#define CORVANTA_ISATTY isatty
#define CORVANTA_FILENO fileno
#endif

bool StdinIsTerminal() { return CORVANTA_ISATTY(CORVANTA_FILENO(stdin)) != 0; }
bool StderrIsTerminal() { return CORVANTA_ISATTY(CORVANTA_FILENO(stderr)) != 0; }

#ifdef _WIN32

bool ReadAnswerLine(std::string& line) { return bool(std::getline(std::cin, line)) && !CancelRequested(); }

#else

// poll() is never restarted after a signal handler; the short timeout also
// covers a signal that lands just before it.
bool ReadAnswerLine(std::string& line)
{
    line.clear();
    while (!CancelRequested()) {
        pollfd in = {STDIN_FILENO, POLLIN, 0};
        if (poll(&in, 1, 100) <= 0)
            continue;
        char c = 0;
        if (read(STDIN_FILENO, &c, 1) != 1)
            return false;
        if (c == '\n')
            return true;
        line += c;
    }
    return false;
}

#endif

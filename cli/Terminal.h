#pragma once
// Whether the standard streams are terminals, and reading an answer from
// the terminal: the platform calls of the command line.
#include <string>

bool StdinIsTerminal();
bool StderrIsTerminal();
// Reads one line from standard input. False at its end, and at once when a
// cancel is asked for while it waits (Ctrl-C, whose handler lets reads go on).
bool ReadAnswerLine(std::string& line);

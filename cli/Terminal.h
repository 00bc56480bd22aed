#pragma once
// Whether the standard streams are terminals; the one platform call of the
// command line.
bool StdinIsTerminal();
bool StderrIsTerminal();

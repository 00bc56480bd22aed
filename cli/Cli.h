#pragma once
// corvanta-cli: the window's commands from a terminal, plus backup and
// restore. Exit status 0 on success, 1 on failure, 2 on a usage error, 130
// when Ctrl-C or SIGTERM cancelled an export, import, backup, restore or a
// firmware update before its first erase.
#include <QStringList>

class IMidiService;

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;
// Stopped by Ctrl-C (128 + SIGINT), as a shell reports it.
constexpr int kExitCancelled = 130;

// arguments: the command line without the program name.
int RunCli(const QStringList& arguments, IMidiService& midi);

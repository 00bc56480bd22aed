// The command line of corvanta-pedal: usage errors and unwritable folders.
#include "TestSupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(PedalCommandLine, HelpDocumentsEveryOptionAndTheFaultSyntax)
{
    const CliResult r = RunCliBinary({"--help"}, PEDAL_BINARY);
    EXPECT_EQ(r.exit, 0);
    for (const char* option : {"--flash-dir", "--model", "--firmware", "--aux", "--mode", "--name", "--rawmidi",
                               "--fault", "--link-speed", "--timing realistic|off", "250,000 bytes/s",
                               "KIND[:PARAM]@N[/CODE]", "torn", "nand-violations: N"})
        EXPECT_TRUE(r.out.contains(option)) << option;
}

TEST(PedalCommandLine, BadOptionsGiveOneLineAndExitStatusTwo)
{
    QTemporaryDir dir;
    const std::vector<QStringList> bad = {
        {},
        {"--model", "10002"},
        {"--flash-dir", dir.path(), "--mode", "sleep"},
        {"--flash-dir", dir.path(), "--firmware", "1.2"},
        {"--flash-dir", dir.path(), "--firmware", "1.2.300"},
        {"--flash-dir", dir.path(), "--fault", "melt@1"},
        {"--flash-dir", dir.path(), "--link-speed", "0"},
        {"--flash-dir", dir.path(), "--timing", "fast"},
        {"--flash-dir", dir.path(), "--colour", "red"},
        {"--flash-dir", dir.path(), "--rawmidi", "1,0"},
        {"--flash-dir", dir.path(), "--rawmidi", "hw:99,0"},
        {"--flash-dir"},
        {"--flash-dir", "/proc/corvanta-pedal-test"},
    };
    for (const QStringList& args : bad) {
        const CliResult r = RunCliBinary(args, PEDAL_BINARY);
        EXPECT_EQ(r.exit, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.startsWith("corvanta-pedal: ") && r.err.count('\n') == 1) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
}

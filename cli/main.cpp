// corvanta-cli: the pedal's commands from a terminal (see --help).
#include "Cli.h"
#include "MidiService.h"

#include <QCoreApplication>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // The link's and the song code's trace lines are for the log, not the terminal.
    qputenv("QT_LOGGING_RULES", "default.debug=false");
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return RunCli(arguments, SystemMidi());
}

// corvanta-cli: the pedal's commands from a terminal (see --help).
#include "Cli.h"
#include "MidiService.h"
#include "Translations.h"

#include <QCoreApplication>
#include <QLoggingCategory>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // The link's and the song code's trace lines are for the log, not the terminal.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    const CTranslations translations;
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return RunCli(arguments, SystemMidi());
}

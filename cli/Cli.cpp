#include "Cli.h"

#include "AppFiles.h"
#include "CliPrompt.h"
#include "CliVerbs.h"
#include "Operation.h"

#include <QCoreApplication>

#include <cstdio>
#include <utility>

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Cli)
};

void PrintOut(const QString& text) { std::fputs(text.toLocal8Bit().constData(), stdout); }

void PrintHelp(const CliVerb* verb)
{
    if (verb) {
        PrintOut(Text::tr("Usage: corvanta-cli [--port NAME] %1 %2\n\n%3\n")
                     .arg(verb->name, verb->arguments, QCoreApplication::translate("CliVerbs", verb->help)));
        return;
    }
    QString verbs;
    for (const CliVerb& v : CliVerbs())
        verbs += QStringLiteral("  %1 %2\n")
                     .arg(QLatin1String(v.name), -15)
                     .arg(QCoreApplication::translate("CliVerbs", v.summary));
    PrintOut(Text::tr("Usage: corvanta-cli [--port NAME] VERB [ARGS]\n\n"
                      "The commands of the Corvanta window for a pedal on USB MIDI.\n"
                      "Slots are numbered as the window shows them (1 = \"Song 001\").\n\n"
                      "Options:\n"
                      "  --port NAME   use the MIDI port pair NAME instead of searching\n"
                      "  --help        this text; after a verb, the verb's own\n\nVerbs:\n%1\n"
                      "Ctrl-C or SIGTERM during export, import, backup or restore stops it at the next chunk:\n"
                      "an exported file is not written, a slot keeps its song unless its import finished.\n"
                      "An update stops only before its first erase; from then on every signal is refused.\n"
                      "Messages and questions go to standard error in the language of the system's locale;\n"
                      "the data on standard output (ports, info, list, catalogue, firmware-info and the\n"
                      "versions after an update) stays in English in every language, for scripts.\n"
                      "Exit status: 0 success, 1 failure, 2 usage error, 130 cancelled.\n")
                 .arg(verbs));
}

// The first of the verb options given that the verb does not take.
QString OptionNotTaken(const CliRequest& request, const CliVerb& verb)
{
    const QStringList taken = QString::fromLatin1(verb.options).split(' ', Qt::SkipEmptyParts);
    const std::pair<bool, const char*> given[] = {{!request.format.isEmpty(), "--format"},
                                                  {request.native, "--native"},
                                                  {request.hq, "--hq"},
                                                  {request.mix, "--mix"}};
    for (const auto& [set, name] : given) {
        if (set && !taken.contains(QLatin1String(name)))
            return QLatin1String(name);
    }
    return {};
}

}  // namespace

int RunCli(const QStringList& arguments, IMidiService& midi)
{
    CliRequest request;
    bool help = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == "--help" || a == "-h")
            help = true;
        else if (a == "--yes")
            request.yes = true;
        else if (a == "--any-model")
            request.anyModel = true;
        else if (a == "--native")
            request.native = true;
        else if (a == "--hq")
            request.hq = true;
        else if (a == "--mix")
            request.mix = true;
        else if (a == "--format") {
            if (++i == arguments.size() || (arguments[i] != "wav" && arguments[i] != "flac"))
                return CliUsageError(Text::tr("--format needs wav or flac"));
            request.format = arguments[i];
        } else if (a == "--port") {
            if (++i == arguments.size())
                return CliUsageError(Text::tr("--port needs a port name"));
            request.port = arguments[i];
        } else if (a.startsWith("--"))
            return CliUsageError(Text::tr("unknown option %1").arg(a));
        else
            request.positional << a;
    }
    const CliVerb* verb = request.positional.isEmpty() ? nullptr : FindVerb(request.positional.front());
    if (!request.positional.isEmpty() && !verb)
        return CliUsageError(Text::tr("unknown verb '%1'").arg(request.positional.front()));
    if (help || !verb) {
        PrintHelp(verb);
        return help ? kExitOk : kExitUsage;
    }
    request.positional.removeFirst();
    const int count = request.positional.size();
    if (count < verb->minArguments || count > verb->maxArguments)
        return CliUsageError(Text::tr("%1 takes %2").arg(verb->name, verb->arguments));
    if (request.yes && !verb->takesYes)
        return CliUsageError(Text::tr("%1 takes no --yes").arg(verb->name));
    if (request.anyModel && !verb->takesAnyModel)
        return CliUsageError(Text::tr("%1 takes no --any-model").arg(verb->name));
    if (const QString unknown = OptionNotTaken(request, *verb); !unknown.isEmpty())
        return CliUsageError(Text::tr("%1 takes no %2").arg(verb->name, unknown));
    CCliPrompt prompt(request.yes, request.anyModel);
    // A verb starts with no cancel asked for.
    ClearCancel();
    return verb->run(request, midi);
}

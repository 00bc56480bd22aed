#pragma once
// The verbs of corvanta-cli.
#include <QString>
#include <QStringList>

#include <vector>

class IMidiService;

struct CliRequest {
    QString port;            // --port NAME, empty: the port search
    bool yes = false;        // --yes
    bool anyModel = false;   // --any-model
    QString format;          // --format wav|flac (export), empty: wav
    bool native = false;     // --native (export)
    bool hq = false;         // --hq (export)
    bool mix = false;        // --mix (import)
    QStringList positional;  // the verb's arguments
};

// The summary and the help are translated with the context "CliVerbs".
struct CliVerb {
    const char* name;
    const char* arguments;
    const char* summary;
    const char* help;
    int minArguments;
    int maxArguments;
    bool takesYes;
    bool takesAnyModel;
    int (*run)(const CliRequest& request, IMidiService& midi);
    // The verb's own options beyond --yes and --any-model, e.g. "--native --hq".
    const char* options = "";
};

constexpr const char* kCliUsage = QT_TRANSLATE_NOOP(
    "CliVerbs", "Usage: corvanta-cli [--port NAME] VERB [ARGS]   (corvanta-cli --help lists the verbs)");

// Shows a usage problem with the usage line; returns the usage exit status.
int CliUsageError(const QString& problem);

const std::vector<CliVerb>& CliVerbs();
const CliVerb* FindVerb(const QString& name);

#pragma once
// Shared test fixtures: a scripted prompt that records every box, and a rig
// of the in-process MIDI service with a virtual pedal on it.
#include "InProcessMidi.h"
#include "PedalPorts.h"
#include "Prompt.h"
#include "USBPort.h"
#include "VirtualPedal.h"

#include <QByteArray>
#include <QStringList>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

// Records each box and answers questions from a script (default: No).
class CScriptedPrompt : public IPrompt {
public:
    CScriptedPrompt() { InstallPrompt(this); }
    ~CScriptedPrompt() override { InstallPrompt(nullptr); }

    void Inform(const QString& title, const QString& text) override;
    bool AskYesNo(const QString& title, const QString& text) override;
    // Recorded in erasing, answered from erasingAnswers (default Yes: the update goes on).
    bool AskBeforeErasing(const QString& title, const QString& text) override;
    QString SaveFileName(const QString& caption, const QString& proposed, const QString& filter) override;
    QString OpenFileName(const QString& caption, const QString& startFolder, const QString& filter) override;
    // Recorded and answered as a file dialog with an empty filter.
    QString FolderName(const QString& caption, const QString& startFolder) override;
    bool ShiftHeld() override { return shift; }
    bool OpenUrl(const QUrl& url) override;
    // Forgets the boxes seen so far.
    void Clear()
    {
        texts.clear();
        titles.clear();
        dialogs.clear();
    }

    // The arguments of one file dialog: caption, proposed name or start folder, filter.
    struct Dialog {
        QString caption, start, filter;
        bool operator==(const Dialog& o) const { return caption == o.caption && start == o.start && filter == o.filter; }
    };

    QStringList texts;            // every box and question text, in order
    QStringList titles;           // their titles
    std::deque<bool> answers;     // answers to AskYesNo
    std::deque<QString> files;    // answers to the file dialogs
    std::vector<Dialog> dialogs;  // every file dialog's arguments, in order
    QStringList erasing;             // every question before erasing
    std::deque<bool> erasingAnswers;  // their answers
    bool shift = false;
    std::function<void()> onBox;  // runs inside each box, as a nested event loop would
};

// Config of a pedal for one model in one mode.
PedalConfig PedalFor(int32_t model_id, PedalMode mode = PedalMode::Update, int32_t version = 0x010203);

// A virtual pedal on the in-process MIDI service, with a tap that records
// every message the program sends it.
class CPedalRig {
public:
    explicit CPedalRig(PedalConfig config = PedalFor(10002), const std::string& name = "Corvanta Pedal");
    // Every test on the rig fails when the program made the pedal refuse to
    // program a song flash page a second time.
    ~CPedalRig();

    // Connects a CUSBPort to the pedal's pair (the last ports added).
    bool Connect();

    CInProcessMidi midi;
    CVirtualPedal pedal;
    std::unique_ptr<CInProcessPedalPorts> ports;
    CUSBPort port{midi};
};

// A port pair that never answers; with echo it repeats every message it is
// sent instead, as ALSA's "Midi Through" does.
class CSilentPorts {
public:
    CSilentPorts(CInProcessMidi& midi, const std::string& name, bool echo = false);

private:
    std::unique_ptr<CInProcessMidi::Source> m_source;
    std::unique_ptr<CInProcessMidi::Destination> m_destination;
};

// A frame packed into the SysEx message that carries it.
std::vector<uint8_t> PackedMessage(const std::vector<uint8_t>& frame);

// The frames a recording pedal received in update mode, unpacked, from the
// from-th message on.
std::vector<std::vector<uint8_t>> SentFrames(const CVirtualPedal& pedal, size_t from = 0);
// A flash command among them: erase, write or read, with its fields.
struct SentCommand {
    uint8_t flash;
    uint32_t address, length;  // length: 0 for an erase
    bool operator==(const SentCommand& o) const { return flash == o.flash && address == o.address && length == o.length; }
};
std::vector<SentCommand> SentCommands(const CVirtualPedal& pedal, uint8_t code, size_t from = 0);
// What the pedal's flash holds at address.
QByteArray FlashBytes(CVirtualPedal& pedal, int flash, uint32_t address, int n);

// Frames of one command code among them.
size_t CountSent(const CVirtualPedal& pedal, uint8_t code, size_t from = 0);

// Pulls the rig's recording pedal out once it has received count writes from
// the from-th message on; the thread ends then, or after a generous limit.
std::thread UnplugAfterWrites(CPedalRig& rig, size_t count, size_t from = 0);

// Waits, without a fixed sleep, until the condition holds or a generous
// limit passes; true when it held.
bool Eventually(const std::function<bool()>& condition, int limit_ms = 5000);

// The lines of a text file.
QStringList FileLines(const QString& path);

// One run of corvanta-cli with standard input closed (no terminal).
struct CliResult {
    int exit;  // -1 when it crashed
    QString out, err;
};
// program: another of the project's binaries (corvanta-pedal) run the same way.
CliResult RunCliBinary(const QStringList& args, const char* program = nullptr);
// The same, sending signal to the process when its standard error first
// holds trigger; sent tells whether it was still running then.
CliResult RunCliBinaryUntil(const QStringList& args, const QByteArray& trigger, int signal, bool& sent);
// One signal at each trigger in turn; sent counts those sent.
CliResult RunCliBinaryUntil(const QStringList& args, const QList<QByteArray>& triggers, int signal, int& sent,
                            const char* program = nullptr);

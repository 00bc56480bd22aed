#include "TestSupport.h"

#include "Frame.h"
#include "WireCodec.h"

#include <QFile>
#include <QProcess>
#include <QTextStream>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <signal.h>
#include <sys/types.h>
#include <thread>

namespace {

// The next scripted answer, or otherwise once the script is used up.
template <class T>
T Next(std::deque<T>& script, T otherwise)
{
    if (script.empty())
        return otherwise;
    T answer = script.front();
    script.pop_front();
    return answer;
}

}  // namespace

void CScriptedPrompt::Inform(const QString& title, const QString& text)
{
    titles << title;
    texts << text;
    if (onBox) {
        const auto hook = onBox;  // the hook may replace itself
        hook();
    }
}

bool CScriptedPrompt::AskYesNo(const QString& title, const QString& text)
{
    Inform(title, text);
    return Next(answers, false);
}

bool CScriptedPrompt::AskBeforeErasing(const QString&, const QString& text)
{
    erasing << text;
    return Next(erasingAnswers, true);
}

QString CScriptedPrompt::SaveFileName(const QString& caption, const QString& start, const QString& filter)
{
    dialogs.push_back({caption, start, filter});
    titles << caption;
    texts << QString();
    return Next(files, QString());
}

QString CScriptedPrompt::OpenFileName(const QString& caption, const QString& start, const QString& filter)
{
    return SaveFileName(caption, start, filter);
}

QString CScriptedPrompt::FolderName(const QString& caption, const QString& start)
{
    return SaveFileName(caption, start, QString());
}

bool CScriptedPrompt::OpenUrl(const QUrl& url)
{
    texts << url.toString();
    return true;
}

PedalConfig PedalFor(int32_t model_id, PedalMode mode, int32_t version)
{
    PedalConfig config;
    config.identity = PedalIdentity{version, model_id, 7};
    config.mode = mode;
    return config;
}

CPedalRig::CPedalRig(PedalConfig config, const std::string& name)
    : pedal(config), ports(std::make_unique<CInProcessPedalPorts>(midi, pedal, name))
{
}

CPedalRig::~CPedalRig()
{
    EXPECT_EQ(pedal.NandViolations(), 0u) << "song flash pages programmed a second time";
}

bool CPedalRig::Connect() { return port.connect_device(0); }

CSilentPorts::CSilentPorts(CInProcessMidi& midi, const std::string& name, bool echo) : m_source(midi.AddSource(name))
{
    CInProcessMidi::Source* source = m_source.get();
    m_destination = midi.AddDestination(name, [source, echo](const CDeliveryQueue::Message& m) {
        if (echo)
            source->Send(m);
    });
}

std::vector<uint8_t> PackedMessage(const std::vector<uint8_t>& frame)
{
    std::vector<uint8_t> m(PackedSize(frame.size()) + 2);
    m.front() = 0xF0;
    Pack7(frame.data(), frame.size(), m.data() + 1);
    m.back() = 0xF7;
    return m;
}

std::vector<std::vector<uint8_t>> SentFrames(const CVirtualPedal& pedal, size_t from)
{
    const auto received = pedal.Received();
    std::vector<std::vector<uint8_t>> frames;
    for (size_t i = from; i < received.size(); ++i) {
        const auto& m = received[i];
        std::vector<uint8_t> f(m.size());
        f.resize(Unpack7(m.data() + 1, m.size() - 2, f.data(), f.size()));
        frames.push_back(std::move(f));
    }
    return frames;
}

std::vector<SentCommand> SentCommands(const CVirtualPedal& pedal, uint8_t code, size_t from)
{
    std::vector<SentCommand> commands;
    for (const auto& f : SentFrames(pedal, from)) {
        if (f.size() >= 11 && f[2] == code)
            commands.push_back({f[6], frame::GetLE(&f[7], 4), f.size() >= 14 ? frame::GetLE(&f[11], 3) : 0});
    }
    return commands;
}

QByteArray FlashBytes(CVirtualPedal& pedal, int flash, uint32_t address, int n)
{
    QByteArray b(n, 0);
    EXPECT_TRUE(pedal.Flash(flash).Read(address, reinterpret_cast<uint8_t*>(b.data()), size_t(n)));
    return b;
}

size_t CountSent(const CVirtualPedal& pedal, uint8_t code, size_t from)
{
    const auto frames = SentFrames(pedal, from);
    return size_t(std::count_if(frames.begin(), frames.end(), [code](const auto& f) { return f.size() > 2 && f[2] == code; }));
}

std::thread UnplugAfterWrites(CPedalRig& rig, size_t count, size_t from)
{
    return std::thread([&rig, count, from] {
        Eventually([&] { return CountSent(rig.pedal, frame::kWrite, from) >= count; }, 30000);
        rig.ports->Unplug();
    });
}

bool Eventually(const std::function<bool()>& condition, int limit_ms)
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(limit_ms);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > until)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

QStringList FileLines(const QString& path)
{
    QFile file(path);
    QStringList lines;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return lines;
    QTextStream in(&file);
    while (!in.atEnd())
        lines << in.readLine();
    return lines;
}

CliResult RunCliBinary(const QStringList& args, const char* program)
{
    int sent = 0;
    return RunCliBinaryUntil(args, QList<QByteArray>{}, 0, sent, program);
}

CliResult RunCliBinaryUntil(const QStringList& args, const QByteArray& trigger, int signal, bool& sent)
{
    int count = 0;
    const CliResult result = RunCliBinaryUntil(args, QList<QByteArray>{trigger}, signal, count);
    sent = count == 1;
    return result;
}

CliResult RunCliBinaryUntil(const QStringList& args, const QList<QByteArray>& triggers, int signal, int& sent,
                            const char* program)
{
    QProcess cli;
    cli.setStandardInputFile(QProcess::nullDevice());
    cli.setReadChannel(QProcess::StandardError);
    cli.start(QString::fromUtf8(program ? program : CLI_BINARY), args);
    QByteArray err;
    sent = 0;
    // Each wait ends when the process writes or ends; the limit is for a hung one.
    for (int waits = 0; sent < triggers.size() && cli.state() != QProcess::NotRunning && waits < 1200; ++waits) {
        cli.waitForReadyRead(100);
        err += cli.readAllStandardError();
        if (err.contains(triggers[sent]) && cli.state() == QProcess::Running && ::kill(pid_t(cli.processId()), signal) == 0)
            ++sent;
    }
    const bool finished = cli.waitForFinished(120000);
    err += cli.readAllStandardError();
    return {finished && cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1,
            QString::fromLocal8Bit(cli.readAllStandardOutput()), QString::fromLocal8Bit(err)};
}

// The program against the virtual pedal across the kernel's own USB MIDI
// stack: the pedal answers on the raw MIDI device of a USB gadget (f_midi on
// dummy_hcd), the program reaches it through snd-usb-audio. Runs inside the
// virtual machine that run_rig.sh boots; init.sh has set up the gadget and
// passes RIG_UDC (the gadget's UDC file), RIG_UDC_NAME and RIG_SONG (a WAV
// made by sox). The tests run in order: the later ones use the song that the
// import stored in slot 5. What the program does whatever the path (backup
// and restore, the texts of info and list) the end-to-end run over JACK
// checks; here runs what the kernel's path adds.
#include "DeviceWatcher.h"
#include "FirmwareSupport.h"
#include "MidiSystem.h"
#include "PortSearch.h"
#include "RawMidiStreams.h"
#include "TestSupport.h"
#include "Wave.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>

namespace {

const char* const kPedalName = "Rig Pedal";

QString Env(const char* name) { return qEnvironmentVariable(name); }

void WriteUdc(const QString& value)
{
    QFile udc(Env("RIG_UDC"));
    ASSERT_TRUE(udc.open(QIODevice::WriteOnly)) << udc.errorString().toStdString();
    udc.write(value.toUtf8() + "\n");
}

// The raw MIDI device whose port name starts with name: "f_midi" on the
// gadget's own side, where the pedal answers, the pedal's name on the host's
// side (snd-usb-audio).
std::string DeviceNamed(const std::string& name)
{
    for (const RawMidiPort& port : ListRawMidiPorts(RawMidiDirection::Output))
        if (port.name.rfind(name, 0) == 0)
            return port.device;
    return {};
}
std::string GadgetDevice() { return DeviceNamed("f_midi"); }
std::string HostDevice() { return DeviceNamed(kPedalName); }

// The virtual pedal on the gadget side, its flashes in a folder of the run.
class CGadgetPedal {
public:
    explicit CGadgetPedal(const QString& flashDir)
    {
        EXPECT_TRUE(Eventually([] { return !GadgetDevice().empty(); }, 20000)) << "no f_midi device";
        m_process.start(QStringLiteral(PEDAL_BINARY),
                        {"--rawmidi", QString::fromStdString(GadgetDevice()), "--flash-dir", flashDir, "--name",
                         kPedalName, "--model", "10002", "--firmware", "1.2.3"});
        EXPECT_TRUE(m_process.waitForReadyRead(20000)) << m_process.readAllStandardError().toStdString();
        EXPECT_EQ(m_process.readLine().trimmed(), QByteArray("ready: ") + kPedalName)
            << m_process.readAllStandardError().toStdString();
    }
    ~CGadgetPedal()
    {
        m_process.terminate();
        m_process.waitForFinished(5000);
    }

private:
    QProcess m_process;
};

QTemporaryDir& FlashDir()
{
    static QTemporaryDir dir;
    return dir;
}

std::unique_ptr<CGadgetPedal>& Pedal()
{
    static std::unique_ptr<CGadgetPedal> pedal;
    return pedal;
}

void StartPedal() { Pedal() = std::make_unique<CGadgetPedal>(FlashDir().path()); }

// The gadget bound and its pedal started, as a real pedal powers up when
// plugged in.
void PlugIn()
{
    WriteUdc(Env("RIG_UDC_NAME"));
    StartPedal();
}

class UsbRig : public ::testing::Test {
protected:
    static void SetUpTestSuite() { StartPedal(); }
    static void TearDownTestSuite() { Pedal().reset(); }
};

// Root mean square of the difference of two mono 24-bit waves (the
// program's export format) over their common length.
double RmsDifference(const CWave& a, const CWave& b)
{
    const auto sample = [](const CWave& wave, uint32_t i) {
        const uint8_t* p = wave.samples() + 3 * size_t(i);
        return (int32_t(uint32_t(p[0]) << 8 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 24) >> 8) / 8388608.0;
    };
    const uint32_t n = std::min(a.frame_count(), b.frame_count());
    double sum = 0;
    for (uint32_t i = 0; i < n; ++i)
        sum += std::pow(sample(a, i) - sample(b, i), 2);
    return std::sqrt(sum / std::max(n, 1u));
}

double SecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The gadget unbound with its pedal stopped, until the host's device is gone.
void Unplug()
{
    Pedal().reset();
    WriteUdc("");
    ASSERT_TRUE(Eventually([] { return HostDevice().empty(); }, 20000));
}

// The connection poll: a search at every change until the pedal answers.
bool FoundInUpdateMode(CUSBPort& port)
{
    return Eventually(
        [&] {
            SearchDevice(port);
            return port.state() == UpdateMode;
        },
        20000);
}

// The time of the last write to a flash image (the pedal writes through at
// every erase and write): the images are too large to compare.
QDateTime LastWrite(const QString& path) { return QFileInfo(path).lastModified(); }

// A line the report of a rig run takes its figures from.
void Measured(const std::string& what, double value, const char* unit)
{
    std::printf("rig-measure: %s %.2f %s\n", what.c_str(), value, unit);
}

// One run of the command line, its time measured.
CliResult Timed(const std::string& what, const QStringList& args)
{
    const auto start = std::chrono::steady_clock::now();
    const CliResult r = RunCliBinary(args);
    Measured(what, SecondsSince(start), "s");
    return r;
}

// Through path: the sox song imported into slot and exported back comes
// back as it went; a packed firmware file updated through the command line
// reads back through a search of its own (a messageLimit given is the found
// path's).
void ExpectSongAndFirmwareGoThrough(const std::string& path, const QString& slot, int seed, size_t messageLimit = 0)
{
    QTemporaryDir dir;
    const QString exported = dir.filePath("back.wav");
    const CliResult import = Timed(path + " import", {"import", Env("RIG_SONG"), slot, "--yes"});
    ASSERT_EQ(import.exit, 0) << import.err.toStdString();
    EXPECT_TRUE(import.err.contains("Successful !"));
    const CliResult exportRun = Timed(path + " export", {"export", slot, exported});
    ASSERT_EQ(exportRun.exit, 0) << exportRun.err.toStdString();

    CWave original, back;
    ASSERT_TRUE(original.load(Env("RIG_SONG")));
    ASSERT_TRUE(back.load(exported));
    EXPECT_EQ(back.format(), CWave::TargetFormat(1, 48000));
    // The pedal stores whole blocks of its own rate: a few frames may go.
    EXPECT_NEAR(double(back.frame_count()), double(original.frame_count()), 64.0);
    EXPECT_LT(RmsDifference(original, back), 0.01) << "the song came back as it went";

    const QByteArray image = FirmwareImage(30000, seed);
    const QString file = PackFirmware(dir.path(), "fw.dat", {{LayoutText(0, 0x50000, 0x58000, 2048), image}});
    const CliResult update = RunCliBinary({"update", file, "--yes"});
    ASSERT_EQ(update.exit, 0) << update.err.toStdString();
    EXPECT_TRUE(update.err.endsWith("Successful!\n")) << update.err.toStdString();

    CScriptedPrompt prompt;
    CUSBPort port(SystemMidi());
    SearchDevice(port);
    ASSERT_EQ(port.state(), UpdateMode);
    if (messageLimit) {
        EXPECT_EQ(port.port_pair().MessageLimit(), messageLimit);
    }
    QByteArray flashed(image.size(), 0);
    ASSERT_TRUE(port.flash_read(0, 0x50000, reinterpret_cast<uint8_t*>(flashed.data()), uint32_t(flashed.size())));
    EXPECT_EQ(flashed, image);
}

// alsa-utils' aseqdump subscribed to the pedal's sequencer port, as any MIDI
// program on a desktop is: the kernel's sequencer client then holds the raw
// MIDI device.
class CSubscribedMonitor {
public:
    CSubscribedMonitor()
    {
        m_process.setStandardOutputFile(QProcess::nullDevice());
        m_process.start("aseqdump", {"-p", kPedalName});
        EXPECT_TRUE(Eventually([] { return !RawMidiHolders(HostDevice()).empty(); }, 20000))
            << "aseqdump holds the pedal: " << m_process.readAllStandardError().toStdString();
    }
    ~CSubscribedMonitor()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }

private:
    QProcess m_process;
};

// snd-seq-midi loaded again, with the parameters given.
void ReloadSequencerMidi(const QStringList& parameters)
{
    ASSERT_EQ(QProcess::execute("rmmod", {"snd_seq_midi"}), 0);
    ASSERT_EQ(QProcess::execute("insmod", QStringList{"/rig/modules.d/snd-seq-midi.ko"} + parameters), 0);
}

// The command line as user 1000, group 1000.
class CNonRootProcess : public QProcess {
protected:
    void setupChildProcess() override
    {
        if (setgid(1000) != 0 || setuid(1000) != 0)
            _exit(99);
    }
};

CliResult RunCliAsNonRoot(const QStringList& args, const QString& folder)
{
    CNonRootProcess cli;
    cli.setWorkingDirectory(folder);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", folder);
    cli.setProcessEnvironment(env);
    cli.setStandardInputFile(QProcess::nullDevice());
    cli.start(QStringLiteral(CLI_BINARY), args);
    cli.waitForFinished(60000);
    return {cli.exitCode(), QString::fromLocal8Bit(cli.readAllStandardOutput()),
            QString::fromLocal8Bit(cli.readAllStandardError())};
}

}  // namespace

// The first run on a freshly started pedal gets its first reply (the kernel
// drops input that comes before the first read), through raw MIDI.
TEST_F(UsbRig, ConnectsImportsExportsAndUpdatesThroughRawMidi)
{
    const CliResult info = RunCliBinary({"info"});
    ASSERT_EQ(info.exit, 0) << info.err.toStdString();
    EXPECT_TRUE(info.out.contains("(Connected - KORVEL, Ver=V1.2.3)")) << info.out.toStdString();
    const CliResult ports = RunCliBinary({"ports"});
    EXPECT_TRUE(ports.out.contains(QStringLiteral("* %1 MIDI 1").arg(kPedalName))) << ports.out.toStdString();
    ExpectSongAndFirmwareGoThrough("raw MIDI", "5", 5);
}

// Another program subscribed to the pedal's port, snd-seq-midi's buffer at
// its default: the pedal is read through the shared sequencer, writes are
// refused before anything changes, naming the holder.
TEST_F(UsbRig, SharedThroughTheSequencerWithTheDefaultBuffer)
{
    const QString before = RunCliBinary({"list"}).out;
    const QDateTime flashBefore = LastWrite(FlashDir().filePath("flash1.bin"));
    CSubscribedMonitor aseqdump;
    const CliResult info = RunCliBinary({"info"});
    EXPECT_EQ(info.exit, 0) << info.err.toStdString();
    EXPECT_EQ(RunCliBinary({"list"}).out, before);
    QTemporaryDir dir;
    const CliResult exported = RunCliBinary({"export", "5", dir.filePath("shared.wav")});
    EXPECT_EQ(exported.exit, 0) << exported.err.toStdString();

    const CliResult import = RunCliBinary({"import", Env("RIG_SONG"), "9", "--yes"});
    EXPECT_EQ(import.exit, 1);
    EXPECT_EQ(import.err.count('\n'), 1) << "one message: " << import.err.toStdString();
    EXPECT_TRUE(import.err.contains("shared through the ALSA sequencer with aseqdump (PID")) << import.err.toStdString();
    EXPECT_TRUE(import.err.contains("output_buffer_size=65536")) << import.err.toStdString();
    const CliResult doctor = RunCliBinary({"doctor"});
    EXPECT_EQ(doctor.exit, 1);
    EXPECT_TRUE(doctor.out.contains(QStringLiteral("\"%1 MIDI 1\": held by aseqdump (PID").arg(kPedalName)))
        << doctor.out.toStdString();
    EXPECT_EQ(RunCliBinary({"list"}).out, before) << "nothing was written";
    EXPECT_EQ(LastWrite(FlashDir().filePath("flash1.bin")), flashBefore) << "the song flash was not touched";
}

// The same with the buffer the package's modprobe.d file sets: everything
// works while the other program stays subscribed.
TEST_F(UsbRig, SharedThroughTheSequencerWithA64KiBBuffer)
{
    ReloadSequencerMidi({"output_buffer_size=65536"});
    ASSERT_EQ(SequencerBufferSize(), 65536u);
    CSubscribedMonitor aseqdump;
    // Read back through the shared sequencer, whose buffer is the largest message.
    ExpectSongAndFirmwareGoThrough("shared sequencer", "7", 7, 65536u);
    EXPECT_EQ(RunCliBinary({"doctor"}).exit, 0);
}

TEST_F(UsbRig, ADeviceTheUserMayNotOpenIsNamedWithHowToGetAccess)
{
    const std::string node = RawMidiNode(HostDevice());
    ASSERT_EQ(chmod(node.c_str(), 0600), 0);
    chmod("/dev/snd/seq", 0600);
    for (const QString& control : QDir("/dev/snd").entryList({"controlC*"}, QDir::System))
        chmod(("/dev/snd/" + control).toLocal8Bit().constData(), 0666);
    QTemporaryDir home;
    chmod(home.path().toLocal8Bit().constData(), 0777);
    const CliResult info = RunCliAsNonRoot({"info"}, home.path());
    EXPECT_EQ(info.exit, 1);
    // Without /etc/group in the machine the advice is to ask for access.
    EXPECT_TRUE(info.err.contains(QStringLiteral("\"%1 MIDI 1\": no permission to open MIDI device %2: ")
                                      .arg(kPedalName, QString::fromStdString(HostDevice()))))
        << info.err.toStdString();
    EXPECT_TRUE(info.err.contains(QString::fromStdString(node))) << info.err.toStdString();
    chmod(node.c_str(), 0666);
    chmod("/dev/snd/seq", 0666);
}

// Pulled out during an export: the export fails soon, keeping no file, and
// the watcher sees the pedal go. Plugged in after a search started: found.
// Then pulled out and plugged back within 100 ms: found, and the link sees
// the new device.
TEST_F(UsbRig, UnplugDuringAnExportFailsSoonAndThePedalPluggedInOrRepluggedIsFound)
{
    QTemporaryDir dir;
    const QString target = dir.filePath("cut.wav");
    std::atomic<bool> changed{false};
    CScriptedPrompt prompt;
    CUSBPort port(SystemMidi());
    CDeviceWatcher watcher(SystemMidi(), changed, CDeviceWatcher::EndWaitsOf(port));
    ASSERT_TRUE(Eventually([&] { return changed.exchange(false); })) << "the watcher's first count";

    QProcess cli;
    cli.setStandardInputFile(QProcess::nullDevice());
    cli.setReadChannel(QProcess::StandardError);
    cli.start(QStringLiteral(CLI_BINARY), {"export", "5", target});
    ASSERT_TRUE(cli.waitForReadyRead(30000)) << "the export shows progress";
    const auto unplugged = std::chrono::steady_clock::now();
    WriteUdc("");
    ASSERT_TRUE(cli.waitForFinished(20000));
    const double seconds = SecondsSince(unplugged);
    const QString err = QString::fromLocal8Bit(cli.readAllStandardError());
    EXPECT_EQ(cli.exitCode(), 1) << err.toStdString();
    EXPECT_TRUE(err.contains("Read data failed!")) << err.toStdString();
    EXPECT_LT(seconds, 10.0);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList()) << "nothing half-written";
    EXPECT_TRUE(Eventually([&] { return changed.exchange(false); })) << "the watcher saw the pedal go";

    Unplug();
    SearchDevice(port);
    ASSERT_EQ(port.state(), Closed);
    auto bound = std::chrono::steady_clock::now();
    PlugIn();
    ASSERT_TRUE(Eventually([] { return RunCliBinary({"list"}).exit == 0; }, 30000));
    Measured("gadget bound to list output, raw MIDI", SecondsSince(bound), "s");
    EXPECT_TRUE(Eventually([&] { return changed.exchange(false); }, 20000)) << "the watcher saw the pedal come";
    ASSERT_TRUE(FoundInUpdateMode(port));

    Pedal().reset();
    const std::string before = port.port_pair().OutputId();
    changed.store(false);
    const auto pulled = std::chrono::steady_clock::now();
    WriteUdc("");
    WriteUdc(Env("RIG_UDC_NAME"));
    EXPECT_LT(SecondsSince(pulled), 0.1);
    StartPedal();
    EXPECT_TRUE(Eventually([&] { return changed.exchange(false); }, 20000)) << "the watcher saw the replug";
    EXPECT_FALSE(port.keep_alive()) << "the old link is on a device that went";
    port.close_link();
    EXPECT_TRUE(FoundInUpdateMode(port));
    EXPECT_NE(port.port_pair().OutputId(), before) << "re-identified as a new plugging";
    port.close_link();

    Unplug();
    bound = std::chrono::steady_clock::now();
    PlugIn();
    ASSERT_TRUE(Eventually([] { return !HostDevice().empty(); }, 20000));
    CSubscribedMonitor aseqdump;
    const CliResult shared = RunCliBinary({"list"});
    EXPECT_EQ(shared.exit, 0) << shared.err.toStdString();
    Measured("gadget bound to list output, shared sequencer", SecondsSince(bound), "s");
    EXPECT_TRUE(prompt.texts.isEmpty()) << prompt.texts.join('|').toStdString();
}

// No window system in the virtual machine: a core application object, then
// GoogleTest.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

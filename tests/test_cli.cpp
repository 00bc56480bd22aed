// The command line through the in-process virtual pedal: usage errors,
// failures before anything reaches the pedal, backup and restore refusals.
#include "Cli.h"
#include "FirmwareSupport.h"
#include "Frame.h"
#include "Operation.h"
#include "SongBackup.h"
#include "SongSupport.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

class Cli : public ::testing::Test {
protected:
    Cli()
    {
        s.Reload();
        s.rig.pedal.SetRecording(true);
        connectCommands = s.rig.pedal.CommandCount();
    }
    // Commands the pedal received from the command line.
    uint32_t Commands() const { return s.rig.pedal.CommandCount() - connectCommands; }
    int Run(const QStringList& args) { return RunCli(args, s.rig.midi); }
    // The exit status, output and messages of one run.
    CliRun Captured(const QStringList& args) { return RunCliCaptured(args, s.rig.midi); }
    // Asks for a cancel, as Ctrl-C does, once the pedal received the first
    // command of code from now on.
    std::thread CancelAtFirst(uint8_t code)
    {
        const size_t from = s.rig.pedal.Received().size();
        return std::thread([this, code, from] {
            if (Eventually([&] { return CountSent(s.rig.pedal, code, from) >= 1; }, 30000))
                RequestCancel();
        });
    }
    // The manifest with its first entry repeated.
    static QString WithSlotTwice(const QString& manifest)
    {
        QJsonObject root = QJsonDocument::fromJson(manifest.toUtf8()).object();
        QJsonArray entries = root.value("slots").toArray();
        entries.append(entries.first());
        root["slots"] = entries;
        return QString::fromUtf8(QJsonDocument(root).toJson());
    }

    CSongRig s{10002};
    QTemporaryDir dir;
    uint32_t connectCommands = 0;
};

// A run that stops before any song reaches the pedal: its arguments ("DIR"
// stands for a folder of the test's), the start of its messages (after
// "corvanta-cli: " for a usage error) and exit status.
struct EarlyCase {
    QStringList args;
    std::string err;
    int exit = kExitUsage;
    bool askedPedal = false;  // whether the pedal was asked anything
};
void PrintTo(const EarlyCase& c, std::ostream* os) { *os << c.args.join(' ').toStdString(); }

class CliEarly : public Cli, public ::testing::WithParamInterface<EarlyCase> {};

}  // namespace

TEST_P(CliEarly, StopsWithItsStatusAndMessageAndWritesNothing)
{
    const EarlyCase& c = GetParam();
    const auto [exit, out, err] = Captured(QStringList(c.args).replaceInStrings("DIR", dir.path()));
    EXPECT_EQ(exit, c.exit);
    const std::string expected = (c.exit == kExitUsage && !c.err.empty() ? "corvanta-cli: " : "") +
                                 QString::fromStdString(c.err).replace("DIR", dir.path()).toStdString();
    EXPECT_EQ(err.substr(0, expected.size()), expected);
    EXPECT_EQ(Commands() > 0, c.askedPedal) << "the arguments are checked before the pedal is asked";
    EXPECT_EQ(CountSent(s.rig.pedal, frame::kErase) + CountSent(s.rig.pedal, frame::kWrite), 0u);
    EXPECT_FALSE(QFile::exists(dir.filePath("x.wav")));
}

const std::string kOutOfRange = "Slot 31 is out of range: the pedal has slots 1 to 30\n";
INSTANTIATE_TEST_SUITE_P(
    Runs, CliEarly,
    ::testing::Values(
        EarlyCase{{}, ""}, EarlyCase{{"bogus"}, "unknown verb 'bogus'\n"},
        EarlyCase{{"list", "extra"}, "list takes"},
        EarlyCase{{"export", "1"}, "export takes SLOT FILE"},
        EarlyCase{{"export", "0", "x.wav"}, "'0' is no slot number (slots count from 1)\n"},
        EarlyCase{{"export", "x", "x.wav"}, "'x' is no slot number"},
        EarlyCase{{"delete", "-3"}, "'-3' is no slot number"},
        EarlyCase{{"list", "--yes"}, "list takes no --yes\n"},
        EarlyCase{{"delete", "1", "--any-model"}, "delete takes no --any-model\n"},
        EarlyCase{{"--port"}, "--port needs a port name\n"},
        EarlyCase{{"info", "--frobnicate"}, "unknown option --frobnicate\n"},
        EarlyCase{{"import", "a.wav"}, "import takes FILE SLOT"},
        EarlyCase{{"export", "1", "x.wav", "--mix"}, "export takes no --mix\n"},
        EarlyCase{{"import", "x.wav", "1", "--hq"}, "import takes no --hq\n"},
        EarlyCase{{"import", "x.wav", "1", "--native"}, "import takes no --native\n"},
        EarlyCase{{"export", "1", "x.wav", "--format", "ogg"}, "--format needs wav or flac\n"},
        EarlyCase{{"export", "1", "x.wav", "--format"}, "--format needs wav or flac\n"},
        EarlyCase{{"list", "--format", "wav"}, "list takes no --format\n"},
        EarlyCase{{"firmware-info"}, "firmware-info takes FILE.dat\n"},
        EarlyCase{{"--help"}, "", kExitOk}, EarlyCase{{"export", "--help"}, "", kExitOk},
        EarlyCase{{"export", "1", "DIR/no/such/folder/x.wav"},
                  "Open file 'x.wav' failed, it may be occupied by other process\n", kExitFailed},
        EarlyCase{{"--port", "Nobody", "info"}, "No MIDI port pair named 'Nobody' (corvanta-cli ports lists them)\n",
                  kExitFailed},
        EarlyCase{{"export", "31", "DIR/x.wav"}, kOutOfRange, kExitFailed, true},
        EarlyCase{{"export", "5", "DIR/x.wav"}, "Song 005 -- (Empty) holds no song\n", kExitFailed, true},
        EarlyCase{{"delete", "31", "--yes"}, kOutOfRange, kExitFailed, true},
        EarlyCase{{"import", "DIR/absent.wav", "3", "--yes"},
                  "Open file 'absent.wav' failed, it may be occupied by other process\n", kExitFailed, true}));

// Slots 1 and 3 fail their checksum (one block list byte changed): the
// load goes on with the others, and a delete or a write repairs such a slot
// where the next load looks.
TEST_F(Cli, ADamagedSlotIsListedItsExportSaysWhyAndADeleteOrAWriteRepairsIt)
{
    const Bytes song = SongAudio(3840, 2);
    ASSERT_EQ(s.Write(1, song), SongOk);
    PutFatPage(s.rig.pedal, 10002, 0, 10, true);
    PutFatPage(s.rig.pedal, 10002, 2, 11, true);
    const CliRun listed = Captured({"list"});
    EXPECT_EQ(listed.exit, kExitOk);
    EXPECT_EQ(QString::fromStdString(listed.out).split('\n').mid(0, 4),
              QStringList({"Song 001 -- (Damaged)", "Song 002 -- (0.00  MB)", "Song 003 -- (Damaged)",
                           "Song 004 -- (Empty)"}));
    const auto [exported, out, messages] = Captured({"export", "1", dir.filePath("x.wav")});
    EXPECT_EQ(exported, kExitFailed);
    EXPECT_EQ(messages, "'Song 001 -- (Damaged)' cannot be read: its song info "
                        "fails its checksum. Import a song into the slot or delete it.\n");
    EXPECT_EQ(Run({"delete", "1", "--yes"}), kExitOk);
    ASSERT_EQ(s.Reload(), SongOk);
    EXPECT_EQ(s.songs.load_required(), 0);
    ASSERT_EQ(s.Write(2, song), SongOk);
    ASSERT_EQ(s.Reload(), SongOk);
    for (uint32_t slot : {0, 2})
        EXPECT_FALSE(s.songs.song(slot)->is_damaged()) << slot;
    EXPECT_FALSE(s.songs.song(0)->is_used());
    EXPECT_EQ(s.ReadSong(1), song);
    EXPECT_EQ(s.ReadSong(2), song);
}

TEST(CliPort, TheFirstNamedPairThatAnswersIsTaken)
{
    CInProcessMidi midi;
    CSilentPorts silent(midi, "USB Looper");  // listed first, never answers
    CVirtualPedal pedal(PedalFor(10002));
    CInProcessPedalPorts ports(midi, pedal, "USB Looper");
    EXPECT_EQ(RunCli({"--port", "USB Looper", "info"}, midi), kExitOk);
    EXPECT_EQ(RunCli({"--port", "Other", "info"}, midi), kExitFailed);
}

TEST(CliWithoutPedal, EveryPedalVerbFails)
{
    CInProcessMidi nothing;
    QTemporaryDir dir;
    for (const QStringList& args : {QStringList{"info"}, {"list"}, {"export", "1", dir.filePath("x.wav")},
                                    {"delete", "1", "--yes"}, {"backup", dir.filePath("b")},
                                    {"update", dir.filePath("x.dat"), "--yes"}}) {
        SCOPED_TRACE(args.join(' ').toStdString());
        EXPECT_EQ(RunCli(args, nothing), kExitFailed);
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("b/manifest.json")));
    EXPECT_EQ(RunCli({"ports"}, nothing), kExitOk);
}

TEST_F(Cli, ARestoreRefusesABackupItCannotTrust)
{
    ASSERT_EQ(s.songs.write_song(2, SongAudio(20000).data(), 20000, nullptr), SongOk);
    const QString folder = dir.filePath("backup");
    ASSERT_EQ(Run({"backup", folder}), kExitOk);
    const QString manifestPath = QDir(folder).filePath(kManifestName);
    const QString manifest = QString::fromUtf8(ReadTestFile(manifestPath));
    ASSERT_EQ(s.songs.song(2)->delete_song(), SongOk);
    const size_t before = s.rig.pedal.Received().size();

    // One bit of the audio changed after the backup.
    const QString songPath = QDir(folder).filePath("song-003.wav");
    const QByteArray original = ReadTestFile(songPath);
    QByteArray changed = original;
    changed.back() = char(changed.back() ^ 1);

    struct Case {
        const char* what;
        QString text;  // the manifest
        std::string message;
        QByteArray song = {};  // song-003.wav's bytes when not the backup's
    };
    const std::string invalid = "The backup's entry for slot 3 is not valid\n";
    const std::string noBackup =
        "'" + folder.toStdString() + "' holds no complete backup (its manifest.json is missing or unreadable)\n";
    const std::string notRecorded = "'song-003.wav' is not the song the backup recorded\n";
    const std::vector<Case> cases = {
        {"another model", QString(manifest).replace("10002", "10003"), "The backup is of model 10003, the pedal is model 10002\n"},
        {"a name outside the folder", QString(manifest).replace("\"song-003.wav\"", "\"../song-003.wav\""), invalid},
        {"a slot the pedal lacks", QString(manifest).replace("\"slot\": 3", "\"slot\": 31"),
         "The backup's entry for slot 31 is not valid\n"},
        {"a wrong length", QString(manifest).replace("\"bytes\": ", "\"bytes\": 1"), notRecorded},
        {"a length beyond any song", QString(manifest).replace("\"bytes\": ", "\"bytes\": 1e300, \"x\": "),
         notRecorded},
        {"not a manifest", "{ broken", noBackup},
        {"no manifest", {}, noBackup},
        {"a slot named twice", WithSlotTwice(manifest), invalid},
        {"a file of another slot", QString(manifest).replace("\"song-003.wav\"", "\"song-004.wav\""), invalid},
        {"a bit of the audio changed", manifest, notRecorded, changed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(manifestPath);
        if (!c.text.isNull())
            WriteTestFile(manifestPath, c.text.toUtf8());
        WriteTestFile(songPath, c.song.isNull() ? original : c.song);
        const CliRun r = Captured({"restore", folder, "--yes"});
        EXPECT_EQ(std::make_pair(r.exit, r.err), std::make_pair(kExitFailed, c.message));
    }
    EXPECT_EQ(CountSent(s.rig.pedal, frame::kErase, before) + CountSent(s.rig.pedal, frame::kWrite, before), 0u);
}

TEST(CliFirmwareInfo, DecodesAPackedFileAndReportsADamagedOne)
{
    QTemporaryDir dir;
    const QString good = PackFirmware(dir.path(), "fw.dat", {{LayoutText(0, 0x8000, 0xA000, 4096), FirmwareImage(5000, 1)},
                                                             {LayoutText(1, 0x100000, 0x140000, 65536), FirmwareImage(100, 2)}});
    CliResult r = RunCliBinary({"firmware-info", good});
    EXPECT_EQ(r.exit, 0) << r.err.toStdString();
    for (const char* line : {"model:    10002 KORVEL", "sections: 2", "    Start Address=0x8000",
                             "section 1: flash 0 at 0x00008000, 2 sectors, 8192 bytes; image 5000 bytes",
                             "section 2: flash 1 at 0x00100000, 4 sectors, 262144 bytes; image 100 bytes"})
        EXPECT_TRUE(r.out.contains(line)) << r.out.toStdString();

    const QString damaged = PackFirmware(dir.path(), "bad.dat", {{LayoutText(0, 0x8000, 0xA000, 4096), FirmwareImage(10, 1)}},
                                         {"--damage", "record:1"});
    r = RunCliBinary({"firmware-info", damaged});
    EXPECT_EQ(std::make_pair(r.exit, r.err), std::make_pair(1, QString("Data1l header checksum Error\n")));
}

// Each storage format, from a song of an odd length: the second backup
// equals the first byte for byte.
TEST(CliBackup, RoundTripsInEveryFormat)
{
    for (const int32_t model : {10002, 10004, 10006}) {
        SCOPED_TRACE(model);
        CSongRig s(model);
        ASSERT_EQ(s.Reload(), SongOk);
        ASSERT_EQ(s.songs.write_song(0, SongAudio(12345, 3).data(), 12345, nullptr), SongOk);
        QTemporaryDir dir;
        const QString first = dir.filePath("first"), second = dir.filePath("second");
        ASSERT_EQ(RunCli({"backup", first}, s.rig.midi), kExitOk);
        ASSERT_EQ(s.songs.song(0)->delete_song(), SongOk);
        ASSERT_EQ(RunCli({"restore", first, "--yes"}, s.rig.midi), kExitOk);
        ASSERT_EQ(RunCli({"backup", second}, s.rig.midi), kExitOk);
        // The restored songs lie elsewhere on the flash: only their fingerprints differ.
        for (const QString& name : {QString("song-001.wav"), QString(kManifestName)})
            EXPECT_EQ(LinesWithoutFingerprints(QDir(first).filePath(name)), LinesWithoutFingerprints(QDir(second).filePath(name)))
                << name.toStdString();
        const CliRun third = RunCliCaptured({"backup", second}, s.rig.midi);
        EXPECT_EQ(third.exit, kExitOk);
        EXPECT_TRUE(QString::fromStdString(third.err).endsWith(
            "Song 001 unchanged\nBackup done: 0 read, 1 unchanged\nSuccessful !\n"))
            << third.err;
    }
}

// When all four tries of a read chunk are lost the export fails as a failed
// read does, keeping no file. (Fewer lost tries are asked again: LostReply.)
TEST_F(Cli, AnExportWhoseChunkIsLostFourTimesFails)
{
    ASSERT_EQ(s.Write(2, SongAudio(30000)), SongOk);
    const QString out = dir.filePath("out.wav");
    const size_t from = s.rig.pedal.Received().size();
    ASSERT_EQ(Run({"export", "3", out}), kExitOk);
    const uint32_t lastRead = uint32_t(CountSent(s.rig.pedal, frame::kRead, from));  // the song's last chunk
    ASSERT_TRUE(QFile::remove(out));
    for (uint32_t at = lastRead; at < lastRead + 4; ++at)
        s.rig.pedal.AddFault({FaultKind::Drop, 0, at, frame::kRead});
    const auto [exit, printed, messages] = Captured({"export", "3", out});
    EXPECT_EQ(exit, kExitFailed);
    EXPECT_TRUE(QString::fromStdString(messages).endsWith("\nRead data failed!\n")) << messages;
    EXPECT_FALSE(QFile::exists(out));
}

// The pedal is pulled out while the import waits for a write's status reply:
// the command line's watcher ends the wait and the import fails as for a
// reply that never came, long before the write's 50 s budget.
TEST_F(Cli, UnplugDuringAnImportFailsAtOnce)
{
    using namespace std::chrono;
    const QString in = SineWav(dir.filePath("in.wav"), 46875, 100000, {440}, 24);
    CVirtualPedal& pedal = s.rig.pedal;
    s.rig.midi.SetNoticesLostPorts(false);  // as RtMidi: only the watcher can tell
    pedal.ClearFaults();
    pedal.AddFault({FaultKind::Drop, 0, 3, frame::kWrite});
    const size_t from = pedal.Received().size();
    std::thread puller = UnplugAfterWrites(s.rig, 3, from);
    const auto start = steady_clock::now();
    const CliRun result = Captured({"import", in, "4", "--yes"});
    puller.join();
    EXPECT_LT(steady_clock::now() - start, seconds(10)) << "not the write's 50 s budget";
    EXPECT_EQ(result.exit, kExitFailed);
    EXPECT_NE(result.err.find("failed"), std::string::npos) << result.err;
}

// The update names its steps on standard error and prints the version
// before and after. (A cancel once it erases is refused: the end-to-end run
// sends a real Ctrl-C.)
TEST_F(Cli, UpdatePrintsItsStepsAndBothVersions)
{
    const QByteArray image = FirmwareImage(3000, 3);
    const QString path = PackFirmware(dir.path(), "fw.dat", {{LayoutText(0, 0x2000, 0x2800, 2048), InfoBlockImage(0x010204)},
                                                              {LayoutText(0, 0x8000, 0xA000, 2048), image}});
    const CliRun result = Captured({"update", path, "--yes"});
    EXPECT_EQ(result.exit, kExitOk) << result.err;
    EXPECT_EQ(result.out, "firmware: V1.2.3 -> V1.2.4\n");
    const QString err = QString::fromStdString(result.err);
    for (const char* step : {"Erase section 1 of 2 \u2014 ", "Write section 2 of 2 \u2014 ",
                             "Verify section 1 of 2 \u2014 100%"})
        EXPECT_TRUE(err.contains(QString(step))) << step;
    EXPECT_TRUE(err.endsWith("Successful!\n"));
    EXPECT_EQ(FlashBytes(s.rig.pedal, 0, 0x8000, image.size()), image);
}

// A cancel asked for before the first erase (here while the pedal's
// identity is read at connection) ends the update with exit status 130 and
// nothing erased.
TEST_F(Cli, UpdateCancelledBeforeItsFirstEraseExitsWith130)
{
    const QString path =
        PackFirmware(dir.path(), "fw.dat", {{LayoutText(0, 0x8000, 0xA000, 2048), FirmwareImage(3000, 3)}});
    CVirtualPedal& pedal = s.rig.pedal;
    pedal.AddFault({FaultKind::Delay, 300, 1, frame::kRead});
    const size_t from = pedal.Received().size();
    std::thread canceller = CancelAtFirst(frame::kRead);
    const CliRun result = Captured({"update", path, "--yes"});
    canceller.join();
    ClearCancel();
    EXPECT_EQ(result.exit, kExitCancelled) << result.err;
    EXPECT_TRUE(QString::fromStdString(result.err).endsWith("Firmware update cancelled\n")) << result.err;
    EXPECT_EQ(CountSent(pedal, frame::kErase, from) + CountSent(pedal, frame::kWrite, from), 0u);
}

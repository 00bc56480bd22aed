// End to end through the real RtMidi library: the standalone virtual pedal
// runs on a JACK server that run_e2e.sh started.
#include "CorvantaQT.h"
#include "FirmwareSupport.h"
#include "PortSearch.h"
#include "TestSupport.h"
#include "UpdateProgress.h"
#include "Wave.h"

#include <QCheckBox>
#include <QDir>
#include <QRegularExpression>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

namespace {

CliResult Cli(const QStringList& args) { return RunCliBinary(args); }

// A WAV file whose sample bytes differ everywhere; by default in the pedal's
// own format, where whole 64-frame units are kept untouched on their way to
// the pedal and back with --native.
QString WriteSong(const QString& path, uint32_t frames, uint32_t seed, uint16_t channels = 1, uint32_t rate = 46875,
                  uint16_t bits = 24)
{
    CWave song;
    song.set_format(channels, rate, bits);
    const uint32_t n = frames * channels * (bits / 8);
    std::unique_ptr<uint8_t[]> samples(new uint8_t[n]);
    for (uint32_t i = 0; i < n; ++i)
        samples[i] = uint8_t(i * seed + (i >> 7));
    song.set_samples(std::move(samples), frames);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        song.write_to(file);
    return path;
}

QByteArray Audio(const QString& path)
{
    CWave wave;
    if (!wave.load(path))
        return {};
    return QByteArray(reinterpret_cast<const char*>(wave.samples()), int(wave.data_size()));
}

// The slots `list` shows; a run that fails shows its messages.
QStringList ListLines()
{
    const CliResult r = RunCliBinary({"list"});
    EXPECT_EQ(r.exit, 0) << r.err.toStdString();
    return r.out.split('\n', Qt::SkipEmptyParts);
}

// The lines of the slots that hold a song.
QStringList UsedLines() { return ListLines().filter(QRegularExpression("(?<!\\(Empty\\))$")); }

}  // namespace

TEST(EndToEnd, TheWindowListsImportsExportsAndDeletesASongAndUpdatesTheFirmware)
{
    CScriptedPrompt prompt;
    QTemporaryDir dir;
    const QString in = WriteSong(dir.filePath("in.wav"), 44100, 3, 1, 44100, 16), out = dir.filePath("out.wav");
    CorvantaQT window;  // the system's MIDI service
    EXPECT_EQ(window.windowTitle(), "Corvanta V1.7 - (Connected - KORVEL, Ver=V1.2.3)");
    EXPECT_TRUE(window.USBPort().keep_alive());
    EXPECT_TRUE(prompt.texts.isEmpty()) << prompt.texts.join('|').toStdString();
    auto* list = window.findChild<QListWidget*>("m_lstSong");
    ASSERT_EQ(list->count(), 30);
    list->setCurrentRow(4);
    prompt.files.push_back(in);
    window.OnDownloadSong();
    ASSERT_EQ(prompt.texts.last(), "Successful !");
    EXPECT_TRUE(list->item(4)->text().startsWith("Song 005 -- (0.13  MB)")) << list->item(4)->text().toStdString();

    // The pedal keeps whole 192-byte units of the 46,875 frames.
    const double stored = window.SongList().song(4)->get_song_size() / 3.0;
    EXPECT_NEAR(stored, 46875.0, 64.0);
    prompt.files.push_back(out);
    window.OnUploadSong();
    ASSERT_EQ(prompt.texts.last(), "Successful !") << prompt.texts.join('|').toStdString();
    CWave exported;
    ASSERT_TRUE(exported.load(out));
    EXPECT_EQ(exported.format(), CWave::TargetFormat(1, 48000));
    EXPECT_NEAR(double(exported.frame_count()), stored * 48000.0 / 46875.0, 4.0);

    prompt.answers.push_back(true);
    window.OnDeleteSong();
    EXPECT_EQ(list->item(4)->text(), "Song 005 -- (Empty)");

    // A firmware update from a local file of two sections.
    const QByteArray high = FirmwareImage(9000, 11), low = FirmwareImage(3000, 12);
    const QString good = PackFirmware(dir.path(), "fw.dat", {{LayoutText(0, 0x48000, 0x4C000, 2048), high},
                                                             {LayoutText(0, 0x40000, 0x42000, 2048), low}});
    window.findChild<QCheckBox*>("m_btnSelLocal")->click();
    prompt.Clear();
    window.findChild<QLineEdit*>("m_editPath")->setText(good);
    window.OnUpdateFirmware();
    EXPECT_EQ(prompt.texts, QStringList({"Successful!"}));
    for (const auto& [address, image] : {std::pair{0x48000u, high}, std::pair{0x40000u, low}}) {
        QByteArray flashed(image.size(), 0);
        EXPECT_TRUE(window.USBPort().flash_read(0, address, reinterpret_cast<uint8_t*>(flashed.data()),
                                                uint32_t(flashed.size())));
        EXPECT_EQ(flashed, image) << address;
    }
}

TEST(EndToEndCli, InfoAndList)
{
    const CliResult info = Cli({"info"});
    EXPECT_EQ(info.exit, 0) << info.err.toStdString();
    for (const char* line : {"status:   Corvanta V1.7 - (Connected - KORVEL, Ver=V1.2.3)", "model:    10002 KORVEL",
                             "firmware: 1.2.3", "slots:    30", "format:   current (46875 Hz, 24-bit, 1 channel)"})
        EXPECT_TRUE(info.out.contains(line)) << line << " in\n" << info.out.toStdString();
    const QStringList lines = ListLines();
    ASSERT_EQ(lines.size(), 30);
    EXPECT_TRUE(lines[29].startsWith("Song 030 -- ("));
    const CliResult ports = Cli({"ports"});
    EXPECT_TRUE(ports.out.contains(QRegularExpression("^\\* E2E Pedal", QRegularExpression::MultilineOption)))
        << ports.out.toStdString();
}

// A song in the pedal's format in slot 7, a stereo one of another rate in
// slot 12; backed up, deleted, restored and backed up again.
TEST(EndToEndCli, ImportExportBackupDeleteAndRestore)
{
    QTemporaryDir dir;
    const uint32_t frames = 64 * 732;
    const QString in = WriteSong(dir.filePath("in.wav"), frames, 13), out = dir.filePath("out.wav"),
                  first = dir.filePath("first"), second = dir.filePath("second");
    CliResult r = Cli({"import", in, "7", "--yes"});
    ASSERT_EQ(r.exit, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("Successful !"));
    EXPECT_EQ(ListLines().value(6).left(15), "Song 007 -- (0.");
    r = Cli({"import", in, "7"});
    EXPECT_EQ(r.exit, 1) << "a used slot needs --yes without a terminal";
    EXPECT_TRUE(r.err.contains("'Song 007 -- (0.") && r.err.contains("already exist, continue to overwrite the song?"))
        << r.err.toStdString();

    r = Cli({"export", "7", out});
    ASSERT_EQ(r.exit, 0) << r.err.toStdString();
    CWave exported;
    ASSERT_TRUE(exported.load(out));
    EXPECT_EQ(exported.format(), CWave::TargetFormat(1, 48000));
    EXPECT_NEAR(double(exported.frame_count()), frames * 48000.0 / 46875.0, 4.0);

    ASSERT_EQ(Cli({"import", WriteSong(dir.filePath("a.wav"), 30000, 7, 2, 44100, 16), "12", "--yes"}).exit, 0);
    const QStringList before = UsedLines();
    ASSERT_GE(before.size(), 2);
    r = Cli({"backup", first});
    ASSERT_EQ(r.exit, 0) << r.err.toStdString();
    // The backup of slot 7 holds exactly the bytes imported.
    EXPECT_EQ(Audio(QDir(first).filePath("song-007.wav")), Audio(in));

    r = Cli({"delete", "7"});
    EXPECT_EQ(r.exit, 1) << "no terminal, no --yes: the song is kept";
    for (const QString& line : before)
        EXPECT_EQ(Cli({"delete", line.mid(5, 3), "--yes"}).exit, 0) << line.toStdString();
    EXPECT_TRUE(UsedLines().isEmpty());
    r = Cli({"restore", first});
    EXPECT_EQ(r.exit, 1) << "a restore asks first";
    r = Cli({"restore", first, "--yes"});
    ASSERT_EQ(r.exit, 0) << r.err.toStdString();
    EXPECT_EQ(UsedLines(), before);
    ASSERT_EQ(Cli({"backup", second}).exit, 0);

    const QStringList files = QDir(first).entryList(QDir::Files);
    EXPECT_EQ(files, QDir(second).entryList(QDir::Files));
    EXPECT_EQ(files.size(), before.size() + 1);
    // The restored songs lie elsewhere on the flash: only their fingerprints differ.
    for (const QString& name : files)
        EXPECT_EQ(LinesWithoutFingerprints(QDir(first).filePath(name)), LinesWithoutFingerprints(QDir(second).filePath(name)))
            << name.toStdString();
}

// The update asks first. Ctrl-C once it erases is refused, however often it
// comes: the update goes on to its end and the flash holds the new image,
// which a file with a damaged header then leaves as it is.
TEST(EndToEndCli, CtrlCDuringAnUpdateIsRefusedAndTheUpdateEnds)
{
    QTemporaryDir dir;
    const QByteArray image = FirmwareImage(240000, 31);
    const QString fw = PackFirmware(dir.path(), "fw.dat", {{LayoutText(0, 0x40000, 0x7F000, 2048), image}});
    const QString damaged =
        PackFirmware(dir.path(), "bad.dat", {{LayoutText(0, 0x50000, 0x54000, 2048), FirmwareImage(7000, 22)}},
                     {"--damage", "header"});
    EXPECT_EQ(Cli({"update", fw}).exit, 1) << "the update asks first";
    int sent = 0;
    const CliResult r =
        RunCliBinaryUntil({"update", fw, "--yes"}, {"Erase section 1 of 1", kUpdateGoesOn}, SIGINT, sent);
    ASSERT_EQ(sent, 2) << r.err.toStdString();
    EXPECT_EQ(r.exit, 0) << r.err.toStdString();
    EXPECT_EQ(r.err.count(QLatin1String(kUpdateGoesOn)), 2) << r.err.toStdString();
    EXPECT_TRUE(r.err.endsWith("Successful!\n")) << r.err.toStdString();
    const CliResult bad = Cli({"update", damaged, "--yes"});
    EXPECT_EQ(bad.exit, 1);
    EXPECT_TRUE(bad.err.contains("File header checksum Error\nFailed!")) << bad.err.toStdString();

    // Read back by a search of its own, as the next program reads it.
    CScriptedPrompt prompt;
    CUSBPort port(SystemMidi());
    SearchDevice(port);
    ASSERT_EQ(port.state(), UpdateMode) << prompt.texts.join('|').toStdString();
    QByteArray flashed(image.size(), 0);
    ASSERT_TRUE(port.flash_read(0, 0x40000, reinterpret_cast<uint8_t*>(flashed.data()), uint32_t(flashed.size())));
    EXPECT_EQ(flashed, image) << "the damaged file erased nothing";
}

// Ctrl-C (SIGINT) and SIGTERM on a running corvanta-cli, sent at its first
// progress line: the command stops at the next chunk, says so and exits 130.
TEST(EndToEndCli, CtrlCAndSigtermCancelExportImportBackupAndRestore)
{
    QTemporaryDir dir;
    const QString kept = WriteSong(dir.filePath("kept.wav"), 64 * 700, 13);  // 33 pages, slot 9
    ASSERT_EQ(Cli({"import", kept, "9", "--yes"}).exit, 0);
    const QString large = WriteSong(dir.filePath("large.wav"), 64 * 2688, 7);  // two blocks, slot 10
    ASSERT_EQ(Cli({"import", large, "10", "--yes"}).exit, 0);
    const QStringList listed = ListLines();
    bool sent = false;
    // The run got the signal, exited with 130 and said why on its last line.
    const auto cancelled = [&sent](const CliResult& r, const QString& last) {
        EXPECT_TRUE(sent && r.exit == 130 && r.err.endsWith(last)) << r.err.toStdString();
    };

    const QString out = dir.filePath("out.wav");
    CliResult r = RunCliBinaryUntil({"export", "10", out}, " MB\n", SIGINT, sent);
    cancelled(r, "Export cancelled\n");
    EXPECT_TRUE(r.err.contains("Export Song 010 \u2014 0.0 of 0.5 MB\n")) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(out));
    WriteTestFile(out, "earlier");
    cancelled(RunCliBinaryUntil({"export", "10", out, "--format", "flac"}, " MB\n", SIGTERM, sent),
              "Export cancelled\n");
    EXPECT_EQ(ReadTestFile(out), "earlier");
    EXPECT_EQ(QDir(dir.path()).entryList({"out.wav*"}, QDir::Files | QDir::Hidden), QStringList({"out.wav"}));

    // The import is stopped after its first block, before the song info.
    const QString next = WriteSong(dir.filePath("new.wav"), 64 * 4032, 5);
    cancelled(RunCliBinaryUntil({"import", next, "9", "--yes"}, " MB\n", SIGTERM, sent), "Import cancelled\n");
    EXPECT_EQ(ListLines(), listed);
    ASSERT_EQ(Cli({"export", "9", dir.filePath("back.wav"), "--native"}).exit, 0);
    EXPECT_EQ(Audio(dir.filePath("back.wav")), Audio(kept)) << "slot 9 keeps its song";

    // A backup over an earlier one leaves it as it was.
    const QString folder = dir.filePath("backup");
    QDir().mkpath(folder);
    WriteTestFile(QDir(folder).filePath("manifest.json"), "{}");
    WriteTestFile(QDir(folder).filePath("song-010.wav"), "an earlier song");
    cancelled(RunCliBinaryUntil({"backup", folder}, " MB\n", SIGINT, sent),
              "Backup cancelled; the earlier backup in '" + folder + "' is unchanged\n");
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList({"manifest.json", "song-010.wav"}));
    EXPECT_EQ(ReadTestFile(QDir(folder).filePath("song-010.wav")), "an earlier song");

    // A restore names the slots it restored before the signal; the others
    // keep their songs (other songs of another length, so the list tells).
    EXPECT_EQ(Cli({"delete", "10", "--yes"}).exit, 0);
    for (const char* slot : {"2", "12"})
        ASSERT_EQ(Cli({"import", WriteSong(dir.filePath("more.wav"), 64 * 900, 4), slot, "--yes"}).exit, 0);
    const QString full = dir.filePath("full");
    ASSERT_EQ(Cli({"backup", full}).exit, 0);
    const QStringList backedUp = UsedLines();
    ASSERT_GE(backedUp.size(), 3) << "slots 2, 9 and 12";
    for (const QString& line : backedUp)
        ASSERT_EQ(Cli({"import", WriteSong(dir.filePath("other.wav"), 64 * 1300, 3), line.mid(5, 3), "--yes"}).exit, 0);
    const QStringList changed = UsedLines();
    r = RunCliBinaryUntil({"restore", full, "--yes"}, " MB\n", SIGINT, sent);
    cancelled(r, "keep their songs\n");
    const QRegularExpressionMatch said =
        QRegularExpression("Restore cancelled: slots? ([0-9, ]+) (was|were) restored; the others keep their songs\n$")
            .match(r.err);
    ASSERT_TRUE(said.hasMatch()) << r.err.toStdString();
    const QStringList restored = said.captured(1).split(", ");
    EXPECT_LT(restored.size(), backedUp.size());
    const QStringList after = UsedLines();
    ASSERT_EQ(after.size(), backedUp.size());
    for (int i = 0; i < after.size(); ++i)
        EXPECT_EQ(after[i], restored.contains(QString::number(after[i].mid(5, 3).toInt())) ? backedUp[i] : changed[i]);

    EXPECT_EQ(Cli({"delete", "9", "--yes"}).exit, 0);
}

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

#include <algorithm>

#include <cmath>
#include <csignal>
#include <cstring>

using Bytes = std::vector<uint8_t>;

TEST(EndToEnd, WindowFindsThePedalAndShowsItInItsTitle)
{
    CScriptedPrompt prompt;
    CorvantaQT window;  // the system's MIDI service
    EXPECT_EQ(window.windowTitle(), "Corvanta V1.7 - (Connected - KORVEL, Ver=V1.2.3)");
    EXPECT_TRUE(window.USBPort().keep_alive());
    EXPECT_TRUE(prompt.texts.isEmpty()) << prompt.texts.join('|').toStdString();
}

TEST(EndToEnd, LargestFramesCrossTheLink)
{
    CScriptedPrompt prompt;
    CUSBPort port(SystemMidi());
    SearchDevice(port);
    ASSERT_EQ(port.state(), UpdateMode);
    Bytes data(5121);
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = uint8_t(i * 31 + 7);
    ASSERT_TRUE(port.flash_erase(1, 0x40000));
    EXPECT_EQ(port.flash_write_verify(1, 0x40000, data.data(), uint32_t(data.size()), nullptr), 1);
    Bytes back(data.size());
    ASSERT_TRUE(port.flash_read(1, 0x40000, back.data(), uint32_t(back.size())));
    EXPECT_EQ(back, data);
    EXPECT_TRUE(prompt.texts.isEmpty()) << prompt.texts.join('|').toStdString();
}

TEST(EndToEnd, ListImportExportAndDeleteASong)
{
    CScriptedPrompt prompt;
    QTemporaryDir dir;
    CWave sine;
    sine.set_format(1, 44100, 16);
    std::unique_ptr<uint8_t[]> samples(new uint8_t[2 * 44100]);
    for (int i = 0; i < 44100; ++i) {
        const int16_t v = int16_t(10000 * std::sin(2 * M_PI * 220 * i / 44100.0));
        samples[2 * i] = uint8_t(v);
        samples[2 * i + 1] = uint8_t(v >> 8);
    }
    sine.set_samples(std::move(samples), 44100);
    const QString in = dir.filePath("in.wav"), out = dir.filePath("out.wav");
    {
        QFile file(in);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(sine.write_to(file));
    }
    CorvantaQT window;
    auto* list = window.findChild<QListWidget*>("m_lstSong");
    ASSERT_EQ(list->count(), 30);
    list->setCurrentRow(4);
    prompt.answers.push_back(true);  // a song from an earlier run may be there
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
}

TEST(EndToEnd, FirmwareUpdateFromALocalFile)
{
    CScriptedPrompt prompt;
    QTemporaryDir dir;
    const QByteArray high = FirmwareImage(9000, 11), low = FirmwareImage(3000, 12);
    const QString good = PackFirmware(dir.path(), "fw.dat", {{LayoutText(0, 0x48000, 0x4C000, 2048), high},
                                                             {LayoutText(0, 0x40000, 0x42000, 2048), low}});
    const QString damaged = PackFirmware(dir.path(), "bad.dat", {{LayoutText(0, 0x40000, 0x42000, 2048), high}},
                                         {"--damage", "record:1"});
    CorvantaQT window;
    window.findChild<QCheckBox*>("m_btnSelLocal")->click();
    auto flash = [&](uint32_t address, int n) {
        QByteArray b(n, 0);
        EXPECT_TRUE(window.USBPort().flash_read(0, address, reinterpret_cast<uint8_t*>(b.data()), uint32_t(n)));
        return b;
    };
    auto update = [&](const QString& path) {
        prompt.Clear();
        window.findChild<QLineEdit*>("m_editPath")->setText(path);
        window.OnUpdateFirmware();
        return prompt.texts;
    };
    EXPECT_EQ(update(good), QStringList({"Successful!"}));
    EXPECT_EQ(flash(0x48000, high.size()), high);
    EXPECT_EQ(flash(0x40000, low.size()), low);
    EXPECT_EQ(update(damaged), QStringList({"Data1l header checksum Error", "Failed!"}));
    EXPECT_EQ(flash(0x40000, low.size()), low) << "nothing erased";
}

namespace {

CliResult Cli(const QStringList& args) { return RunCliBinary(args); }

// A song in the pedal's own format of whole 64-frame units, kept untouched
// on its way to the pedal and back with --native.
CWave NativeSong(uint32_t units, uint32_t seed)
{
    CWave song;
    song.set_format(1, 46875, 24);
    const uint32_t frames = 64 * units;
    std::unique_ptr<uint8_t[]> samples(new uint8_t[3 * frames]);
    for (uint32_t i = 0; i < 3 * frames; ++i)
        samples[i] = uint8_t(i * seed + (i >> 7));
    song.set_samples(std::move(samples), frames);
    return song;
}

QString WriteSong(const CWave& song, const QString& path)
{
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

QStringList UsedLines(const QString& list)
{
    QStringList used;
    for (const QString& line : list.split('\n', Qt::SkipEmptyParts))
        if (!line.endsWith("(Empty)"))
            used << line;
    return used;
}

}  // namespace

TEST(EndToEndCli, InfoAndList)
{
    const CliResult info = Cli({"info"});
    EXPECT_EQ(info.exit, 0) << info.err.toStdString();
    EXPECT_TRUE(info.out.contains("status:   Corvanta V1.7 - (Connected - KORVEL, Ver=V1.2.3)")) << info.out.toStdString();
    EXPECT_TRUE(info.out.contains("model:    10002 KORVEL"));
    EXPECT_TRUE(info.out.contains("firmware: 1.2.3"));
    EXPECT_TRUE(info.out.contains("slots:    30"));
    EXPECT_TRUE(info.out.contains("format:   current (46875 Hz, 24-bit, 1 channel)"));
    const CliResult list = Cli({"list"});
    EXPECT_EQ(list.exit, 0);
    const QStringList lines = list.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 30);
    EXPECT_TRUE(lines[29].startsWith("Song 030 -- ("));
    const CliResult ports = Cli({"ports"});
    EXPECT_TRUE(ports.out.contains(QRegularExpression("^\\* E2E Pedal", QRegularExpression::MultilineOption)))
        << ports.out.toStdString();
}

TEST(EndToEndCli, ImportExportDeleteAndASlotOutOfRange)
{
    QTemporaryDir dir;
    const CWave song = NativeSong(732, 13);
    const uint32_t frames = song.frame_count();
    const QString in = WriteSong(song, dir.filePath("in.wav")), out = dir.filePath("out.wav"),
                  native = dir.filePath("native");
    CliResult r = Cli({"import", in, "7", "--yes"});
    ASSERT_EQ(r.exit, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("Successful !"));
    EXPECT_EQ(Cli({"list"}).out.split('\n')[6].left(15), "Song 007 -- (0.");
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

    // The backup of that slot holds exactly the bytes imported.
    ASSERT_EQ(Cli({"backup", native}).exit, 0);
    CWave backedUp;
    ASSERT_TRUE(backedUp.load(QDir(native).filePath("song-007.wav")));
    ASSERT_EQ(backedUp.data_size(), song.data_size());
    EXPECT_EQ(0, std::memcmp(backedUp.samples(), song.samples(), size_t(song.data_size())));

    r = Cli({"export", "31", dir.filePath("none.wav")});
    EXPECT_EQ(r.exit, 1);
    EXPECT_TRUE(r.err.contains("Slot 31 is out of range: the pedal has slots 1 to 30")) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("none.wav")));

    r = Cli({"delete", "7"});
    EXPECT_EQ(r.exit, 1) << "no terminal, no --yes: the song is kept";
    r = Cli({"delete", "7", "--yes"});
    EXPECT_EQ(r.exit, 0) << r.err.toStdString();
    EXPECT_EQ(Cli({"list"}).out.split('\n')[6], "Song 007 -- (Empty)");
}

TEST(EndToEndCli, BackupClearRestoreBackupIsByteIdentical)
{
    QTemporaryDir dir;
    const QString first = dir.filePath("first"), second = dir.filePath("second");
    // Two songs of different formats of input, so the pedal holds something.
    CWave a;
    a.set_format(2, 44100, 16);
    std::unique_ptr<uint8_t[]> samples(new uint8_t[4 * 30000]);
    for (int i = 0; i < 4 * 30000; ++i)
        samples[i] = uint8_t(i * 7 + (i >> 5));
    a.set_samples(std::move(samples), 30000);
    {
        QFile file(dir.filePath("a.wav"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(a.write_to(file));
    }
    ASSERT_EQ(Cli({"import", dir.filePath("a.wav"), "2", "--yes"}).exit, 0);
    ASSERT_EQ(Cli({"import", dir.filePath("a.wav"), "12", "--yes"}).exit, 0);
    const QStringList before = UsedLines(Cli({"list"}).out);
    ASSERT_GE(before.size(), 2);

    CliResult r = Cli({"backup", first});
    ASSERT_EQ(r.exit, 0) << r.err.toStdString();
    for (const QString& line : before)
        EXPECT_EQ(Cli({"delete", line.mid(5, 3), "--yes"}).exit, 0) << line.toStdString();
    EXPECT_TRUE(UsedLines(Cli({"list"}).out).isEmpty());
    r = Cli({"restore", first});
    EXPECT_EQ(r.exit, 1) << "a restore asks first";
    r = Cli({"restore", first, "--yes"});
    ASSERT_EQ(r.exit, 0) << r.err.toStdString();
    EXPECT_EQ(UsedLines(Cli({"list"}).out), before);
    ASSERT_EQ(Cli({"backup", second}).exit, 0);

    const QStringList files = QDir(first).entryList(QDir::Files);
    EXPECT_EQ(files, QDir(second).entryList(QDir::Files));
    EXPECT_EQ(files.size(), before.size() + 1);
    // The restored songs lie elsewhere on the flash: only their fingerprints differ.
    for (const QString& name : files)
        EXPECT_EQ(LinesWithoutFingerprints(QDir(first).filePath(name)), LinesWithoutFingerprints(QDir(second).filePath(name)))
            << name.toStdString();

    // A file changed after the backup is refused before anything is written.
    QFile song(QDir(first).filePath(QDir(first).entryList({"song-*.wav"}).front()));
    ASSERT_TRUE(song.open(QIODevice::ReadWrite));
    song.seek(song.size() - 1);
    song.write("\x01");
    song.close();
    r = Cli({"restore", first, "--yes"});
    EXPECT_EQ(r.exit, 1);
    EXPECT_TRUE(r.err.contains("is not the song the backup recorded")) << r.err.toStdString();
}

TEST(EndToEndCli, UpdateWithAPackedFileAndADamagedOne)
{
    QTemporaryDir dir;
    const QByteArray image = FirmwareImage(7000, 21);
    const QString good = PackFirmware(dir.path(), "fw.dat", {{LayoutText(0, 0x50000, 0x54000, 2048), image}});
    const QString damaged =
        PackFirmware(dir.path(), "bad.dat", {{LayoutText(0, 0x50000, 0x54000, 2048), FirmwareImage(7000, 22)}},
                     {"--damage", "header"});
    CliResult r = Cli({"update", good});
    EXPECT_EQ(r.exit, 1) << "the update asks first";
    r = Cli({"update", good, "--yes"});
    ASSERT_EQ(r.exit, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.endsWith("Successful!\n")) << r.err.toStdString();
    r = Cli({"update", damaged, "--yes"});
    EXPECT_EQ(r.exit, 1);
    EXPECT_TRUE(r.err.contains("File header checksum Error\nFailed!")) << r.err.toStdString();

    CScriptedPrompt prompt;
    CUSBPort port(SystemMidi());
    SearchDevice(port);
    ASSERT_EQ(port.state(), UpdateMode) << prompt.texts.join('|').toStdString();
    QByteArray flashed(image.size(), 0);
    ASSERT_TRUE(port.flash_read(0, 0x50000, reinterpret_cast<uint8_t*>(flashed.data()), uint32_t(flashed.size())));
    EXPECT_EQ(flashed, image) << "the damaged file erased nothing";
}

// Ctrl-C once the update erases is refused, however often it comes: the
// update goes on to its end and the flash holds the new image.
TEST(EndToEndCli, CtrlCDuringAnUpdateIsRefusedAndTheUpdateEnds)
{
    QTemporaryDir dir;
    const QByteArray image = FirmwareImage(240000, 31);
    const QString fw = PackFirmware(dir.path(), "fw.dat", {{LayoutText(0, 0x40000, 0x7F000, 2048), image}});
    int sent = 0;
    const CliResult r =
        RunCliBinaryUntil({"update", fw, "--yes"}, {"Erase section 1 of 1", kUpdateGoesOn}, SIGINT, sent);
    ASSERT_EQ(sent, 2) << r.err.toStdString();
    EXPECT_EQ(r.exit, 0) << r.err.toStdString();
    EXPECT_EQ(r.err.count(QLatin1String(kUpdateGoesOn)), 2) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("Successful!\n")) << r.err.toStdString();

    CScriptedPrompt prompt;
    CUSBPort port(SystemMidi());
    SearchDevice(port);
    ASSERT_EQ(port.state(), UpdateMode) << prompt.texts.join('|').toStdString();
    QByteArray flashed(image.size(), 0);
    ASSERT_TRUE(port.flash_read(0, 0x40000, reinterpret_cast<uint8_t*>(flashed.data()), uint32_t(flashed.size())));
    EXPECT_EQ(flashed, image);
}

// Ctrl-C (SIGINT) and SIGTERM on a running corvanta-cli, sent at its first
// progress line: the command stops at the next chunk, says so and exits 130.
TEST(EndToEndCli, CtrlCAndSigtermCancelExportImportBackupAndRestore)
{
    QTemporaryDir dir;
    const CWave kept = NativeSong(700, 13);   // 33 pages, slot 9
    const CWave large = NativeSong(2688, 7);  // two blocks, slot 10
    ASSERT_EQ(Cli({"import", WriteSong(kept, dir.filePath("kept.wav")), "9", "--yes"}).exit, 0);
    ASSERT_EQ(Cli({"import", WriteSong(large, dir.filePath("large.wav")), "10", "--yes"}).exit, 0);
    const QString listed = Cli({"list"}).out;
    bool sent = false;

    const QString out = dir.filePath("out.wav");
    CliResult r = RunCliBinaryUntil({"export", "10", out}, " MB\n", SIGINT, sent);
    ASSERT_TRUE(sent) << r.err.toStdString();
    EXPECT_EQ(r.exit, 130) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("Export Song 010 \u2014 0.0 of 0.5 MB\n")) << r.err.toStdString();
    EXPECT_TRUE(r.err.endsWith("Export cancelled\n")) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(out));
    WriteTestFile(out, "earlier");
    r = RunCliBinaryUntil({"export", "10", out, "--format", "flac"}, " MB\n", SIGTERM, sent);
    EXPECT_TRUE(sent && r.exit == 130 && r.err.endsWith("Export cancelled\n")) << r.err.toStdString();
    EXPECT_EQ(ReadTestFile(out), "earlier");
    EXPECT_EQ(QDir(dir.path()).entryList({"out.wav*"}, QDir::Files | QDir::Hidden), QStringList({"out.wav"}));

    // The import is stopped after its first block, before the song info.
    r = RunCliBinaryUntil({"import", WriteSong(NativeSong(4032, 5), dir.filePath("new.wav")), "9", "--yes"}, " MB\n",
                          SIGTERM, sent);
    ASSERT_TRUE(sent) << r.err.toStdString();
    EXPECT_EQ(r.exit, 130) << r.err.toStdString();
    EXPECT_TRUE(r.err.endsWith("Import cancelled\n")) << r.err.toStdString();
    EXPECT_EQ(Cli({"list"}).out, listed);
    ASSERT_EQ(Cli({"export", "9", dir.filePath("back.wav"), "--native"}).exit, 0);
    EXPECT_EQ(Audio(dir.filePath("back.wav")), Audio(dir.filePath("kept.wav"))) << "slot 9 keeps its song";

    // A backup over an earlier one leaves it as it was.
    const QString folder = dir.filePath("backup");
    QDir().mkpath(folder);
    WriteTestFile(QDir(folder).filePath("manifest.json"), "{}");
    WriteTestFile(QDir(folder).filePath("song-010.wav"), "an earlier song");
    r = RunCliBinaryUntil({"backup", folder}, " MB\n", SIGINT, sent);
    ASSERT_TRUE(sent) << r.err.toStdString();
    EXPECT_EQ(r.exit, 130);
    EXPECT_TRUE(r.err.endsWith("Backup cancelled; the earlier backup in '" + folder + "' is unchanged\n"))
        << r.err.toStdString();
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList({"manifest.json", "song-010.wav"}));
    EXPECT_EQ(ReadTestFile(QDir(folder).filePath("song-010.wav")), "an earlier song");

    // A restore names the slots it restored before the signal; the others
    // keep their songs (other songs of another length, so the list tells).
    EXPECT_EQ(Cli({"delete", "10", "--yes"}).exit, 0);
    for (const char* slot : {"2", "12"})
        ASSERT_EQ(Cli({"import", WriteSong(NativeSong(900, 4), dir.filePath("more.wav")), slot, "--yes"}).exit, 0);
    const QString full = dir.filePath("full");
    ASSERT_EQ(Cli({"backup", full}).exit, 0);
    const QStringList backedUp = UsedLines(Cli({"list"}).out);
    ASSERT_GE(backedUp.size(), 3) << "slots 2, 9 and 12";
    for (const QString& line : backedUp)
        ASSERT_EQ(Cli({"import", WriteSong(NativeSong(1300, 3), dir.filePath("other.wav")), line.mid(5, 3), "--yes"}).exit, 0);
    const QStringList changed = UsedLines(Cli({"list"}).out);
    r = RunCliBinaryUntil({"restore", full, "--yes"}, " MB\n", SIGINT, sent);
    ASSERT_TRUE(sent) << r.err.toStdString();
    EXPECT_EQ(r.exit, 130);
    const QRegularExpressionMatch said =
        QRegularExpression("Restore cancelled: slots? ([0-9, ]+) (was|were) restored; the others keep their songs\n$")
            .match(r.err);
    ASSERT_TRUE(said.hasMatch()) << r.err.toStdString();
    const QStringList restored = said.captured(1).split(", ");
    EXPECT_LT(restored.size(), backedUp.size());
    const QStringList after = UsedLines(Cli({"list"}).out);
    ASSERT_EQ(after.size(), backedUp.size());
    for (int i = 0; i < after.size(); ++i)
        EXPECT_EQ(after[i], restored.contains(QString::number(after[i].mid(5, 3).toInt())) ? backedUp[i] : changed[i]);

    EXPECT_EQ(Cli({"delete", "9", "--yes"}).exit, 0);
}

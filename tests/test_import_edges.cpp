// Edges of an import and of the command line's progress: a pipe whose
// length is known only at its end, files too short to make a song, and
// progress lines on a standard error that is no terminal.
#include "CliPrompt.h"
#include "SongSupport.h"
#include "SongTransfer.h"
#include "Wave.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

// Imports path into slot 1 with the program's own song command.
std::optional<int> ImportInto(CSongRig& s, const QString& path)
{
    CWave wave;
    return ImportSongFrom(path, wave, s.songs, s.Area(), 0, nullptr);
}

// As `corvanta-cli import <(sox ...)`: a WAV header written to a pipe cannot
// tell the length, and the song is decoded to its end within the largest song.
TEST(ImportEdges, APipeIsDecodedToItsEnd)
{
    QTemporaryDir dir;
    CScriptedPrompt prompt;
    CSongRig s(10002);
    ASSERT_EQ(s.songs.load_songs(), SongOk);
    const QString fifo = dir.filePath("pipe.wav");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QProcess sox;
    sox.start("sox", {"-n", "-r", "48000", "-c", "1", "-b", "16", "-t", "wav", fifo, "synth", "1", "sine", "440"});
    ASSERT_TRUE(sox.waitForStarted());
    EXPECT_EQ(ImportInto(s, fifo), std::make_optional<int>(SongOk));
    sox.waitForFinished(30000);  // false when it has ended already
    ASSERT_EQ(s.Reload(), SongOk);
    EXPECT_NEAR(double(s.songs.song(0)->get_song_size()), 46875.0 * 3, 192.0);
    EXPECT_TRUE(prompt.texts.isEmpty()) << prompt.texts.join('|').toStdString();
}

TEST(ImportEdges, AFileTooShortForOneWriteUnitIsRefusedWithItsMessage)
{
    QTemporaryDir dir;
    CScriptedPrompt prompt;
    CSongRig s(10002);
    ASSERT_EQ(s.songs.load_songs(), SongOk);
    const uint32_t commands = s.rig.pedal.CommandCount();
    for (uint32_t frames : {0u, 1u, 2u}) {
        prompt.Clear();
        const QString path = SineWav(dir.filePath(QString("short%1.wav").arg(frames)), 46875, frames);
        EXPECT_EQ(ImportInto(s, path), std::nullopt);
        EXPECT_EQ(prompt.texts, QStringList(QString("Audio file '%1' is too short: it gives the song %2 of the 64 "
                                                    "frames a song needs at least")
                                                .arg(path)
                                                .arg(frames)));
    }
    EXPECT_EQ(s.rig.pedal.CommandCount(), commands) << "nothing sent to the pedal";
}

// Without a terminal a line is printed only when its text changes.
TEST(CliProgress, PrintsALineOnlyWhenItsTextChanges)
{
    testing::internal::CaptureStderr();
    {
        CCliProgress progress;
        for (int percent : {1, 2, 3})
            progress.Show(percent, "Export Song 003 \u2014 0.0 of 0.4 MB");
        progress.Show(4, "Export Song 003 \u2014 0.1 of 0.4 MB");
        progress.Show(5);
        progress.Show(5);
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Export Song 003 \u2014 0.0 of 0.4 MB\nExport Song 003 \u2014 0.1 of 0.4 MB\n5%\n");
}

}  // namespace

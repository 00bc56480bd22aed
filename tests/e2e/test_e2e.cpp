// End to end through the real RtMidi library: the standalone virtual pedal
// runs on a JACK server that run_e2e.sh started.
#include "CorvantaQT.h"
#include "FirmwareSupport.h"
#include "PortSearch.h"
#include "TestSupport.h"

#include "Wave.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

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

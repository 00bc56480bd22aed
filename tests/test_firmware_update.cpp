// The firmware update from a local file, offscreen, through the virtual pedal.
#include "AppFiles.h"
#include "CorvantaQT.h"
#include "FirmwareSupport.h"
#include "Operation.h"
#include "Frame.h"
#include "TestSupport.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QDateTime>
#include <QFile>
#include <QLineEdit>
#include <QProgressBar>
#include <QStandardPaths>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace {

class FirmwareUpdate : public ::testing::Test {
protected:
    static PedalConfig Config()
    {
        PedalConfig c = PedalFor(10002);
        c.flash0_sector = 4096;
        return c;
    }
    void SetUp() override
    {
        window = std::make_unique<CorvantaQT>(rig.midi);
        window->findChild<QCheckBox*>("m_btnSelLocal")->click();
        QObject::connect(window->findChild<QProgressBar*>("progressBar"), &QProgressBar::valueChanged,
                         [this](int v) { bar.push_back(v); });
    }

    // Runs the update of a file, yes the answer to its question (none: No),
    // and returns the boxes it showed.
    QStringList Update(const QString& path, bool yes = false)
    {
        prompt.Clear();
        prompt.answers = {yes};
        bar.clear();
        rig.pedal.SetRecording(true);
        recordedBefore = rig.pedal.Received().size();
        window->findChild<QLineEdit*>("m_editPath")->setText(path);
        window->OnUpdateFirmware();
        return prompt.texts;
    }
    std::vector<SentCommand> Sent(uint8_t code) { return SentCommands(rig.pedal, code, recordedBefore); }
    // Erase and write commands the last update sent.
    size_t Changes() { return Sent(frame::kErase).size() + Sent(frame::kWrite).size(); }
    QByteArray Flash(int no, uint32_t address, int n) { return FlashBytes(rig.pedal, no, address, n); }
    // The boxes of an update stopped by the pedal: the failure, where it
    // happened and what to do; then "Failed!".
    static QStringList Stopped(const QString& failure, const QString& where)
    {
        return {failure + "\n\n" + where +
                    ". The pedal may not start normally now: keep it connected and run the same update again. If "
                    "it no longer answers, its manual describes how to enter update mode.",
                "Failed!"};
    }
    QString Pack(const QString& name, const FirmwareSections& s, const QStringList& extra = {},
                 const QString& model = "10002")
    {
        return PackFirmware(dir.path(), name, s, extra, model);
    }

    QTemporaryDir dir;
    CScriptedPrompt prompt;
    CPedalRig rig{Config()};
    std::unique_ptr<CorvantaQT> window;
    std::vector<int> bar;
    size_t recordedBefore = 0;
};

const char* const kOtherModelQuestion = "The file is for model 10003, the pedal is model 10002. Update anyway ?";

}  // namespace

// Sections are erased in the order of their addresses, then written flash 1
// first and flash 0 back to front, each flash-0 section's first sector last.
struct OrderSection {
    int flash;
    uint32_t start, end, sector;
    QByteArray image;
};
struct OrderCase {
    const char* name;
    std::vector<OrderSection> sections;
    std::vector<SentCommand> erased;                // flash, address
    std::vector<std::pair<int, uint32_t>> runs;     // (flash, address) where each run of writes starts
};
void PrintTo(const OrderCase& c, std::ostream* os) { *os << c.name; }

class FirmwareUpdateOrder : public FirmwareUpdate, public ::testing::WithParamInterface<OrderCase> {};

TEST_P(FirmwareUpdateOrder, ErasesAscendingWritesBackToFrontFirstSectorLast)
{
    const OrderCase& c = GetParam();
    FirmwareSections sections;
    for (const OrderSection& section : c.sections)
        sections.push_back({LayoutText(section.flash, section.start, section.end, section.sector), section.image});
    EXPECT_EQ(Update(Pack("order.dat", sections), true).last(), "Successful!");  // the song flash question
    EXPECT_EQ(Sent(frame::kErase), c.erased);
    std::vector<std::pair<int, uint32_t>> runs;
    uint32_t next = 0;
    for (const SentCommand& w : Sent(frame::kWrite)) {
        if (runs.empty() || runs.back().first != w.flash || w.address <= next || w.address > next + 65536)
            runs.push_back({w.flash, w.address});
        next = w.address;
    }
    EXPECT_EQ(runs, c.runs);
    for (const OrderSection& section : c.sections)
        EXPECT_EQ(Flash(section.flash, section.start, section.image.size()), section.image) << section.start;
    EXPECT_EQ(window->CurrentOperation(), OpIdle);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, FirmwareUpdateOrder,
    ::testing::Values(
        OrderCase{"SongFlashInOneRunBeforeFlashZero",
                  {{0, 0x20000, 0x30000, 4096, FirmwareImage(5000, 4)},
                   {1, 0x100000, 0x140000, 65536, FirmwareImage(70000, 3)}},
                  {{0, 0x20000, 0}, {0, 0x21000, 0}, {1, 0x100000, 0}, {1, 0x110000, 0}},
                  {{1, 0x100000}, {0, 0x21000}, {0, 0x20000}}},
        // Flash 1 lies below both flash-0 sections.
        OrderCase{"FlashesAndSectionsApart",
                  {{0, 0x8000, 0xA000, 4096, FirmwareImage(6000, 5)}, {1, 0x4000, 0x40000, 65536, FirmwareImage(70000, 3)},
                   {0, 0x20000, 0x22000, 4096, FirmwareImage(5000, 4)}},
                  {{1, 0x4000, 0}, {1, 0x14000, 0}, {0, 0x8000, 0}, {0, 0x9000, 0}, {0, 0x20000, 0}, {0, 0x21000, 0}},
                  {{1, 0x4000}, {0, 0x21000}, {0, 0x20000}, {0, 0x9000}, {0, 0x8000}}},
        // Layout texts of equal length, parsed one after another, each land
        // at their own addresses (no settings cache hands one the other's).
        OrderCase{"EqualLengthLayouts",
                  {{0, 0x30000, 0x31000, 4096, FirmwareImage(3000, 5)}, {0, 0x40000, 0x41000, 4096, FirmwareImage(3000, 6)}},
                  {{0, 0x30000, 0}, {0, 0x40000, 0}},
                  {{0, 0x40000}, {0, 0x30000}}}),
    [](const ::testing::TestParamInfo<OrderCase>& info) { return info.param.name; });

// Every section is checked before the first erase: a file that cannot be
// written, or an empty path, erases nothing. Another model's file (with
// Shift) and a file for the song flash are named in a question first; No
// leaves the pedal as it was, Yes goes on.
TEST_F(FirmwareUpdate, FilesAreCheckedAndQuestionsAskedBeforeAnyErase)
{
    const QByteArray layout = LayoutText(0, 0x8000, 0x9000, 4096);
    const QString other = Pack("other.dat", {{layout, FirmwareImage(100, 1)}}, {}, "10003");
    const QString song = Pack("song.dat", {{layout, FirmwareImage(100, 1)},
                                           {LayoutText(1, 0x40000, 0x80000, 65536), FirmwareImage(1000, 2)}});
    const QString songQuestion = "This firmware writes to the song flash: section 2 of 2 (0x00040000 to 0x0007FFFF). "
                                 "Recorded songs there may be overwritten. Go on with the update ?";
    FirmwareSections four;
    for (int i = 0; i < 4; ++i)
        four.push_back({layout, FirmwareImage(3000 + 1000 * i, i)});
    const auto damaged = [&](const QString& damage) { return Pack(damage + ".dat", four, {"--damage", damage}); };
    int layouts = 0;
    const auto laidOut = [&](const QByteArray& text) {
        return Pack(QString("layout%1.dat").arg(layouts++), {{text, FirmwareImage(10, 1)}});
    };
    struct Case {
        QString path;
        QString first;
        QString last = "Failed!";  // none after a path left empty
        bool shift = false;
    };
    const std::vector<Case> cases = {
        {Pack("fits.dat", {{layout, FirmwareImage(4097, 1)}}), "Space not enough !"},
        {Pack("asks.dat", {{layout, FirmwareImage(100, 1)}}, {"--data-length-delta", "3997"}), "Space not enough !"},
        {Pack("empty.dat", {{layout, QByteArray()}}), "Section 1 holds an empty image"},
        {Pack("second-empty.dat", {{layout, FirmwareImage(100, 1)}, {LayoutText(0, 0x10000, 0x11000, 4096), QByteArray()}}),
         "Section 2 holds an empty image"},
        {other, "File not match the connected device,please confirm"},
        {damaged("record:1"), "Data1l header checksum Error"},
        {damaged("record:3"), "Data3l header checksum Error"},
        {damaged("header"), "File header checksum Error"},
        {Pack("token.dat", four, {"--damage", "token", "--damage", "header"}), "File Token Error"},
        {damaged("sections:100"), "The file declares 100 sections; at most 99 are possible"},
        {damaged("truncate:300"), "The section records lie beyond the end of the file"},
        {damaged("truncate:700"), "Section 1 lies beyond the end of the file"},
        {damaged(QString("truncate:%1").arg(QFileInfo(Pack("whole.dat", four)).size() - 5)),
         "Section 4 lies beyond the end of the file"},
        {Pack("huge.dat", four, {"--data-length-delta", "100000000"}),
         "Section 1 declares more data than its packed block can hold"},
        {Pack("none.dat", {}), "The firmware file holds no sections"},
        // The stream may run up to 100 bytes past its declared length.
        {Pack("short.dat", {{layout, FirmwareImage(2000, 1)}}, {"--data-length-delta", "-101"}),
         "decode bin file failed"},
        {Pack("overlap.dat", {{LayoutText(0, 0x8000, 0xA000, 4096), FirmwareImage(100, 1)},
                              {LayoutText(0, 0x9000, 0xB000, 4096), FirmwareImage(100, 2)}}),
         "Sections 1 and 2 overlap on flash 0"},
        {laidOut(LayoutText(0, 0x9000, 0x8000, 4096)), "FLASH 1 end address is below its start address"},
        {laidOut(LayoutText(0, 0x8000, 0x9000, 0)), "FLASH 1 sector size is 0"},
        {laidOut(LayoutText(0, 0, 0xFFFFFFFF, 1)), "FLASH 1 has more than 1048576 sectors"},
        {laidOut("[FLASH 1]\nTYPE=0\nEnd Address=0x1000\n"), "FLASH start address is empty"},
        {laidOut("[FLASH 1]\nTYPE=0\nStart Address=0x0\n"), "FLASH end address is empty"},
        {laidOut(LayoutText(0, 0, 0x1000, 4096) + LayoutText(0, 0x1001, 0x2000, 4096, 2)),
         "FLASH 2 address not follow the last flash"},
        {laidOut(LayoutText(0, 0, 0x1000, 4096) + LayoutText(1, 0x1000, 0x2000, 4096, 2)),
         "All FLASH should be same type!"},
        // A total beyond 32 bits does not wrap round to a follower.
        {laidOut(LayoutText(0, 0, 0xF0000000, 0x10000000) + LayoutText(0, 0xF0000000, 0xFFFFFFFF, 0x1000000, 2) +
                 LayoutText(0, 0, 0x80000000, 0x10000000, 3)),
         "FLASH 3 address not follow the last flash"},
        {Pack("empty-layout.dat", {{"[OTHER]\nx=1\n", FirmwareImage(10, 1)}}), "Section 1 has no flash range"},
        {Pack("flash256.dat", {{LayoutText(256, 0x8000, 0x9000, 4096), FirmwareImage(10, 1)}}),
         "Section 1 targets flash 256; the pedal has flashes 0 and 1"},
        {QString(), "No update file selected !", QString()},
        {other, kOtherModelQuestion, "Failed!", true},
        {song, songQuestion, "Firmware update cancelled"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.first.toStdString());
        prompt.shift = c.shift;
        EXPECT_EQ(Update(c.path), c.last.isEmpty() ? QStringList({c.first}) : QStringList({c.first, c.last}));
        EXPECT_EQ(Changes(), 0u) << "nothing erased or written";
    }
    // Yes to a question goes on; an image, or a declared length, of exactly
    // the layout's size fits. What lands is the image, whatever its declared length.
    prompt.shift = true;
    const QByteArray exact = FirmwareImage(4096, 1), small = FirmwareImage(100, 2), part = FirmwareImage(2000, 3);
    const std::tuple<QString, QString, QByteArray> done[] = {  // the file, its question, what lands
        {other, kOtherModelQuestion, FirmwareImage(100, 1)},
        {song, songQuestion, FirmwareImage(100, 1)},
        {Pack("exact.dat", {{layout, exact}}), "", exact},
        {Pack("asks-exact.dat", {{layout, small}}, {"--data-length-delta", "3996"}), "", small},
        {Pack("short-fits.dat", {{layout, part}}, {"--data-length-delta", "-100"}), "", part}};
    for (const auto& [path, question, image] : done) {
        SCOPED_TRACE(path.toStdString());
        EXPECT_EQ(Update(path, true),
                  question.isEmpty() ? QStringList("Successful!") : QStringList({question, "Successful!"}));
        EXPECT_EQ(Flash(0, 0x8000, 4096), image + QByteArray(4096 - image.size(), char(0xFF)));
    }
}

// Failures of the pedal at the first command of a kind and later ones. The
// file's two sections are erased 0x8000, 0x9000, 0x20000, 0x21000 and written
// from the top down, the first sector of the lowest one (0x8000) last; the
// image's rest after a section's first sector is written and verified first.
TEST_F(FirmwareUpdate, DeviceFaultsStopTheUpdateWhereTheyHappen)
{
    const QByteArray high = FirmwareImage(5000, 4), low = FirmwareImage(6000, 5);
    const QString path = Pack("two.dat", {{LayoutText(0, 0x8000, 0xA000, 4096), low},
                                          {LayoutText(0, 0x20000, 0x22000, 4096), high}});
    ASSERT_EQ(Update(path), QStringList({"Successful!"}));
    const std::vector<SentCommand> writes = Sent(frame::kWrite);
    const auto firstLow =
        std::find_if(writes.begin(), writes.end(), [](const SentCommand& w) { return w.address < 0x20000; });
    const uint32_t highWrites = uint32_t(firstLow - writes.begin());
    ASSERT_LT(highWrites, writes.size());
    struct Case {
        FaultKind kind;
        int code;
        uint32_t at, times;  // the at-th command of its code and the ones after it
        const char *message, *where;
        int written;  // 1: the high section is in place, 2: the low one's rest as well
    };
    const char* const verify = "Verify of section 2 of 2 failed at 0x00021000";
    const std::pair<uint32_t, QByteArray> inPlace[] = {{0x20000, high}, {0x9000, low.mid(4096)}};
    // A checksum query is asked three times.
    for (const Case& c : {Case{FaultKind::Refuse, frame::kErase, 1, 1, "Erase sector failed,address=0x00008000",
                               "Erase of section 1 of 2 failed at 0x00008000", 0},
                          Case{FaultKind::Refuse, frame::kErase, 3, 1, "Erase sector failed,address=0x00020000",
                               "Erase of section 2 of 2 failed at 0x00020000", 0},
                          Case{FaultKind::Refuse, frame::kWrite, 1, 1, "Write data failed !",
                               "Write of section 2 of 2 failed at 0x00021000", 0},
                          Case{FaultKind::Refuse, frame::kWrite, highWrites + 1, 1, "Write data failed !",
                               "Write of section 1 of 2 failed at 0x00009000", 1},
                          Case{FaultKind::Refuse, frame::kWrite, uint32_t(writes.size()), 1, "Write data failed !",
                               "Write of section 1 of 2 failed at 0x00008000", 2},
                          Case{FaultKind::BitFlip, frame::kWrite, 1, 3, "Verify data failed", verify, 0},
                          Case{FaultKind::BadType, frame::kChecksum, 1, 3, "Write data timeout !", verify, 0},
                          Case{FaultKind::Short, frame::kChecksum, 1, 3, "Write data timeout !", verify, 0}}) {
        SCOPED_TRACE(::testing::Message() << c.where << ", fault " << int(c.kind));
        for (uint32_t k = 0; k < c.times; ++k)
            rig.pedal.AddFault({c.kind, 0, c.at + k, c.code});
        EXPECT_EQ(Update(path), Stopped(c.message, c.where));
        rig.pedal.ClearFaults();
        if (c.code == frame::kErase)
            EXPECT_TRUE(Sent(frame::kWrite).empty()) << "nothing written after a failed erase";
        else
            EXPECT_EQ(Flash(0, 0x8000, 4096), QByteArray(4096, char(0xFF))) << "the first sector is not written";
        for (int k = 0; k < c.written; ++k)
            EXPECT_EQ(Flash(0, inPlace[k].first, inPlace[k].second.size()), inPlace[k].second) << k;
    }
}

// The settings file may live in the program's folder or in the user's
// configuration folder; an update touches neither, nor a user's own
// "Config.ini" beside the firmware file, whether it succeeds or fails.
TEST_F(FirmwareUpdate, SettingsAndAUsersConfigIniSurvive)
{
    QStandardPaths::setTestModeEnabled(true);
    const QString userFolder = UserConfigFolder();
    QDir().mkpath(userFolder);
    QFile::remove(SettingsFilePath());
    WriteSetting("/Config/WavSaveDir", "/music/");
    const QByteArray userText = "[Config]\nWavSaveDir=/user/\n", ownText = "[Mine]\nkeep=1\n";
    const QStringList watched = {SettingsFilePath(), WriteTestFile(userFolder + "/Config.ini", userText),
                                 WriteTestFile(dir.filePath("Config.ini"), ownText)};
    auto contents = [&] {
        QList<QByteArray> all;
        for (const QString& path : watched)
            all.push_back(ReadTestFile(path));
        return all;
    };
    const QList<QByteArray> before = contents();
    const QByteArray layout = LayoutText(0, 0x8000, 0x9000, 4096);
    EXPECT_EQ(Update(Pack("one.dat", {{layout, FirmwareImage(100, 1)}})), QStringList({"Successful!"}));
    EXPECT_EQ(Update(Pack("big.dat", {{layout, FirmwareImage(5000, 1)}})),
              QStringList({"Space not enough !", "Failed!"}));
    EXPECT_EQ(contents(), before);
    EXPECT_EQ(FileLines(watched[0]), QStringList({"[Config]", "WavSaveDir=/music/"})) << "as written";
    QFile::remove(SettingsFilePath());
    QFile::remove(watched[1]);
    QStandardPaths::setTestModeEnabled(false);
}

// What is validated is what gets written: a file replaced while a question
// is open fails the update before anything is erased.
TEST_F(FirmwareUpdate, AFileChangedDuringTheUpdateIsRefused)
{
    const QString path = Pack("other.dat", {{LayoutText(0, 0x8000, 0x9000, 4096), FirmwareImage(100, 1)}}, {}, "10003");
    // Another size under the old time stamp: only the size tells.
    const QString replacement = Pack("replacement.dat", {{LayoutText(0, 0x8000, 0xA000, 4096), FirmwareImage(6000, 2)}},
                                     {}, "10003");
    // Same size, other image: only the time stamp tells.
    const QString sameSize = Pack("same.dat", {{LayoutText(0, 0x8000, 0x9000, 4096), FirmwareImage(100, 9)}}, {}, "10003");
    ASSERT_EQ(QFileInfo(sameSize).size(), QFileInfo(path).size());
    const QString target = dir.filePath("target.dat");
    prompt.shift = true;
    for (const QString& source : {replacement, sameSize}) {
        SCOPED_TRACE(source.toStdString());
        QFile::remove(target);
        QFile::copy(path, target);
        const QDateTime stamp = QFileInfo(target).lastModified();
        prompt.onBox = [&] {
            QFile::remove(target);
            QFile::copy(source, target);
            QFile touched(target);
            touched.open(QIODevice::ReadWrite);
            touched.setFileTime(source == sameSize ? stamp.addSecs(5) : stamp, QFileDevice::FileModificationTime);
        };
        EXPECT_EQ(Update(target, true),
                  QStringList({kOtherModelQuestion, "The firmware file changed during the update", "Failed!"}));
        prompt.onBox = nullptr;
        EXPECT_EQ(Changes(), 0u);
    }
}

// Cancel during a question before the erase ends the update with nothing
// erased; during the erase it is refused above the bar, the update goes on
// and no cancel is left behind. Two sections on flash 0 and one on the song
// flash: the bar runs once from 0 to 100 over every erase, write and verify,
// naming each.
TEST_F(FirmwareUpdate, CancelStopsBeforeTheEraseAndIsRefusedAfter)
{
    auto* cancel = window->findChild<QPushButton*>("m_btnCancel");
    auto* unplug = window->findChild<QLabel*>("m_labelUnplug");
    const QByteArray song = FirmwareImage(70000, 2), boot = FirmwareImage(9000, 1), high = FirmwareImage(5000, 3);
    const QString path = Pack("three.dat", {{LayoutText(0, 0x8000, 0xC000, 4096), boot},
                                            {LayoutText(1, 0x40000, 0x80000, 65536), song},
                                            {LayoutText(0, 0x20000, 0x22000, 4096), high}});
    prompt.onBox = [&] { cancel->click(); };
    EXPECT_EQ(Update(path, true).last(), "Firmware update cancelled");
    EXPECT_TRUE(Sent(frame::kErase).empty());
    prompt.onBox = nullptr;

    auto* progressBar = window->findChild<QProgressBar*>("progressBar");
    bool cancelShown = false, unplugHidden = false, refused = false;
    QStringList texts;
    QObject::connect(progressBar, &QProgressBar::valueChanged, [&] {
        texts << progressBar->format();
        if (window->CurrentOperation() == OpIdle)
            return;
        cancelShown |= cancel->isVisible();
        unplugHidden |= !unplug->isVisible();
        if (progressBar->format().startsWith("Erase section 2") && !refused) {
            window->OnCancelOperation();  // the Cancel button's and Esc's slot
            refused = unplug->text().contains("cannot be stopped once it erases the flash");
            RequestCancel();  // as Ctrl-C on the command line
        }
    });
    window->show();
    EXPECT_EQ(Update(path, true).last(), "Successful!");
    EXPECT_TRUE(refused);
    EXPECT_FALSE(cancelShown) << "no Cancel while the flash is rewritten";
    EXPECT_FALSE(unplugHidden) << "the warning stands above the bar throughout";
    EXPECT_FALSE(CancelRequested()) << "the refused cancel is not left behind";
    EXPECT_EQ(prompt.texts.filter("cannot be stopped").size(), 0) << "no box in the middle of the update";
    EXPECT_EQ(Flash(0, 0x8000, boot.size()), boot);
    EXPECT_EQ(Flash(1, 0x40000, song.size()), song);
    EXPECT_EQ(Flash(0, 0x20000, high.size()), high);
    ASSERT_GE(bar.size(), 20u) << "it moves along the way";
    EXPECT_TRUE(std::is_sorted(bar.begin(), bar.end()) && bar.back() == 100) << "never back, to the end";
    for (const char* step : {"Erase section 1 of 3", "Erase section 2 of 3", "Erase section 3 of 3",
                             "Write section 2 of 3", "Write section 3 of 3", "Write section 1 of 3",
                             "Verify section 2 of 3", "Verify section 1 of 3"})
        EXPECT_FALSE(texts.filter(QString(step) + " \u2014 ").isEmpty()) << step;
    EXPECT_TRUE(texts.back().startsWith("Verify section 1 of 3 \u2014 100%")) << texts.back().toStdString();
    EXPECT_EQ(unplug->text(), "Do not unplug the pedal");
}

// A pedal that restarts and leaves the bus at the end of an update is found
// by the poll when it is back, and the title shows the version its new
// information block tells (read again after every update: WindowTrust).
TEST_F(FirmwareUpdate, TheTitleShowsTheNewVersionAfterTheUpdate)
{
    ASSERT_EQ(window->windowTitle(), "Corvanta V1.7 - (Connected - KORVEL, Ver=V1.2.3)");
    QObject::connect(window->findChild<QProgressBar*>("progressBar"), &QProgressBar::valueChanged, [&](int value) {
        if (value == 100)
            rig.ports->Unplug();  // the pedal restarts with its new firmware
    });
    EXPECT_EQ(Update(Pack("info5.dat", {{LayoutText(0, 0x2000, 0x3000, 4096), InfoBlockImage(0x010205)}})),
              QStringList({"Successful!"}));
    EXPECT_EQ(window->windowTitle(), "Corvanta V1.7 - (No device connected !)");
    rig.ports->Plug();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return window->windowTitle() == "Corvanta V1.7 - (Connected - KORVEL, Ver=V1.2.5)"; }, 10000))
        << window->windowTitle().toStdString();
}

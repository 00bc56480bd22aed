// The firmware decoder against files from corvanta-fwpack, and flash layouts.
#include "FirmwareFile.h"
#include "FirmwareSupport.h"
#include "FlashLayout.h"
#include "TestSupport.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QTemporaryDir& Dir()
{
    static QTemporaryDir dir;
    return dir;
}

const char* const kLayoutA = "[FLASH 1]\nTYPE=0\nStart Address=0x8000\nEnd Address=0x10000\nSector Size=0x1000\n";
const char* const kLayoutB = "[FLASH 1]\nTYPE=1\nStart Address=0x10000\nEnd Address=0x30000\nSector Size=65536\n";

QString Pack(const QString& name, const FirmwareSections& sections, const QStringList& extra = {},
             const QString& model = "10002")
{
    return PackFirmware(Dir().path(), name, sections, extra, model);
}

FirmwareSections FourSections()
{
    FirmwareSections s;
    for (int i = 0; i < 4; ++i)
        s.emplace_back(i % 2 ? kLayoutB : kLayoutA, FirmwareImage(3000 + 1000 * i, i));
    return s;
}

}  // namespace

TEST(FirmwareFile, DecodesEverySectionOfAPackedFile)
{
    CScriptedPrompt prompt;
    CFirmwareFile file;
    const QString path = Pack("good.dat", FourSections());
    file.file_path = path;
    ASSERT_TRUE(file.Load(path)) << file.error_text.toStdString();
    EXPECT_EQ(file.section_count, 4u);
    EXPECT_EQ(file.TargetModel(), 10002);
    const FirmwareSections sections = FourSections();
    for (uint32_t i = 0; i < 4; ++i) {
        uint32_t length = 0;
        const uint8_t* layout = file.ReadSectionLayout(i, length);
        ASSERT_NE(layout, nullptr);
        EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(layout), int(length)), sections[i].first);
        const uint8_t* data = file.ReadSectionData(i, length);
        ASSERT_NE(data, nullptr);
        EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(data), int(length)), sections[i].second);
    }
    uint32_t length = 0;
    file.error_text = "before";
    EXPECT_EQ(file.ReadSectionData(4, length), nullptr);
    EXPECT_EQ(file.ReadSectionLayout(4, length), nullptr);
    EXPECT_EQ(file.error_text, "before") << "an index out of range changes nothing";
    EXPECT_TRUE(prompt.texts.isEmpty());

    ASSERT_TRUE(file.Load(Pack("empty.dat", {})));
    EXPECT_EQ(file.section_count, 0u);
    // A model text without its terminator matches no model.
    ASSERT_TRUE(file.Load(Pack("model.dat", {}, {}, QString(85, '1'))));
    EXPECT_EQ(file.TargetModel(), -1);
}

TEST(FirmwareFile, DamagedFilesGiveTheirTexts)
{
    struct Case {
        QStringList damage;
        const char* text;
    };
    const std::vector<Case> cases = {
        {{"--damage", "header"}, "File header checksum Error"},
        {{"--damage", "record:3"}, "Data3l header checksum Error"},
        {{"--damage", "record:1"}, "Data1l header checksum Error"},
        {{"--damage", "token", "--damage", "header"}, "File Token Error"},
        {{"--damage", "sections:100"}, "The file declares 100 sections"},
        {{"--damage", "truncate:700"}, "Section 1 lies beyond the end of the file"},
        {{"--damage", QString("truncate:%1").arg(QFile(Pack("whole.dat", FourSections())).size() - 5)},
         "Section 4 lies beyond the end of the file"},
        {{"--damage", "truncate:300"}, "The section records lie beyond the end of the file"},
        {{"--data-length-delta", "100000000"}, "Section 1 declares more data than its packed block can hold"},
    };
    const QString good = Pack("good.dat", FourSections());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        CFirmwareFile file;
        ASSERT_TRUE(file.Load(good));
        const QString path = Pack("bad.dat", FourSections(), c.damage);
        file.file_path = path;
        EXPECT_FALSE(file.Load(path));
        EXPECT_TRUE(file.error_text.startsWith(c.text)) << file.error_text.toStdString();
        // Nothing of the refused file, nor of the earlier one, can be read.
        EXPECT_EQ(file.section_count, 0u);
        uint32_t length = 0;
        EXPECT_EQ(file.ReadSectionLayout(3, length), nullptr);
    }
    CFirmwareFile file;
    EXPECT_FALSE(file.Load(Dir().filePath("missing.dat")));
    EXPECT_EQ(file.error_text, "Open file failed");
}

TEST(FirmwareFile, DeclaredLengthsAgainstTheRealStream)
{
    CFirmwareFile file;
    const QByteArray image = FirmwareImage(5000, 7);
    // More than 100 bytes short: the stream does not fit.
    QString path = Pack("short.dat", {{kLayoutA, image}}, {"--data-length-delta", "-101"});
    file.file_path = path;
    ASSERT_TRUE(file.Load(path));
    uint32_t length = 0;
    EXPECT_EQ(file.ReadSectionData(0, length), nullptr);
    EXPECT_EQ(file.error_text, "decode bin file failed");
    // 100 short still fits; a longer declaration returns the real length.
    for (int delta : {-100, 50}) {
        path = Pack("long.dat", {{kLayoutA, image}}, {"--data-length-delta", QString::number(delta)});
        file.file_path = path;
        ASSERT_TRUE(file.Load(path));
        ASSERT_NE(file.ReadSectionData(0, length), nullptr) << delta;
        EXPECT_EQ(length, 5000u);
    }
}

// ---- Layouts ----

namespace {
bool LoadLayout(CFlashLayout& layout, const QByteArray& text)
{
    static int n = 0;
    return layout.Load(WriteTestFile(Dir().filePath(QString("layout%1.ini").arg(n++)), text));
}
}  // namespace

TEST(FlashLayout, ExamplesExpandIntoSectors)
{
    CFlashLayout a;
    ASSERT_TRUE(LoadLayout(a, kLayoutA));
    ASSERT_EQ(a.sectors.size(), 8u);
    EXPECT_EQ(a.sectors[0].address, 0x8000u);
    EXPECT_EQ(a.sectors[7].address, 0xF000u);
    EXPECT_EQ(a.sectors[7].size, 4096u);
    EXPECT_EQ(a.total_size, 32768u);

    CFlashLayout gap;
    ASSERT_TRUE(LoadLayout(gap, LayoutText(1, 0, 0x1000, 4096) + LayoutText(1, 0x5000, 0x6000, 4096, 3)));
    ASSERT_EQ(gap.sectors.size(), 1u) << "FLASH 3 without FLASH 2 is not read";
    EXPECT_EQ(gap.sectors[0].flash_no, 1u);
    EXPECT_EQ(gap.total_size, 4096u);

    CFlashLayout hex;
    ASSERT_TRUE(LoadLayout(hex, "[FLASH 1]\nTYPE=0\nStart Address=0X2000 ; boot\nEnd Address=0x3000\nSector Size=2048\n"
                                "[FLASH 2]\nTYPE=0\nStart Address=0x3000\nEnd Address=0x5000\nSector Size=0x1000\n"));
    ASSERT_EQ(hex.sectors.size(), 4u);
    EXPECT_EQ(hex.sectors[0].address, 0x2000u);
    EXPECT_EQ(hex.sectors[2].address, 0x3000u);
    EXPECT_EQ(hex.sectors[2].size, 4096u);
    EXPECT_EQ(CFlashLayout::ParseNumber("12 ; x"), 12u);
    EXPECT_EQ(CFlashLayout::ParseNumber("zz"), 0u);

    CFlashLayout empty;
    EXPECT_TRUE(LoadLayout(empty, "[OTHER]\nx=1\n"));
    EXPECT_TRUE(empty.sectors.empty());
    CFlashLayout missing;
    EXPECT_FALSE(missing.Load(Dir().filePath("nothing.ini")));
    EXPECT_TRUE(missing.error_text.isEmpty());
}

TEST(FlashLayout, BadTextsAreRefusedWithTheirMessages)
{
    struct Case {
        QByteArray text;
        const char* error;
    };
    const std::vector<Case> cases = {
        {LayoutText(0, 0, 0x1000, 4096) + LayoutText(0, 0x1001, 0x2000, 4096, 2), "FLASH 2 address not follow the last flash"},
        {LayoutText(0, 0, 0x1000, 4096) + LayoutText(1, 0x1000, 0x2000, 4096, 2), "All FLASH should be same type!"},
        {"[FLASH 1]\nTYPE=0\nEnd Address=0x1000\n", "FLASH start address is empty"},
        {"[FLASH 1]\nTYPE=0\nStart Address=0x0\n", "FLASH end address is empty"},
        {LayoutText(0, 0x2000, 0x1000, 4096), "FLASH 1 end address is below its start address"},
        {LayoutText(0, 0, 0x1000, 0), "FLASH 1 sector size is 0"},
        {LayoutText(0, 0, 0xFFFFFFFF, 1), "FLASH 1 has more than 1048576 sectors"},
        {LayoutText(0, 0, 0xF0000000, 0x10000000) + LayoutText(0, 0xF0000000, 0xFFFFFFFF, 0x1000000, 2) +
             LayoutText(0, 0, 0x80000000, 0x10000000, 3),
         "FLASH 3 address not follow the last flash"},
    };
    for (const Case& c : cases) {
        CFlashLayout layout;
        EXPECT_FALSE(LoadLayout(layout, c.text)) << c.error;
        EXPECT_EQ(layout.error_text, c.error);
    }
}

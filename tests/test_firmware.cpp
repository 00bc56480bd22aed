// The firmware decoder against files from corvanta-fwpack, and flash layouts.
#include "FirmwareFile.h"
#include "FirmwareSupport.h"
#include "FlashLayout.h"
#include "TestSupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QTemporaryDir& Dir()
{
    static QTemporaryDir dir;
    return dir;
}

QString Pack(const QString& name, const FirmwareSections& sections, const QStringList& extra = {},
             const QString& model = "10002")
{
    return PackFirmware(Dir().path(), name, sections, extra, model);
}

}  // namespace

// Sections are decoded and written by the update (test_firmware_update.cpp),
// and a damaged file is refused there with its text; these are what the
// update never asks for.
TEST(FirmwareFile, NothingIsReadOutOfRangeOrAfterARefusedLoad)
{
    CScriptedPrompt prompt;
    FirmwareSections four;
    for (int i = 0; i < 4; ++i)
        four.push_back({LayoutText(0, 0x8000 * (i + 1), 0x8000 * (i + 2), 4096), FirmwareImage(3000, i)});
    CFirmwareFile file;
    const QString path = Pack("good.dat", four);
    file.file_path = path;
    ASSERT_TRUE(file.Load(path)) << file.error_text.toStdString();
    EXPECT_EQ(file.section_count, 4u);
    uint32_t length = 0;
    file.error_text = "before";
    EXPECT_EQ(file.ReadSectionData(4, length), nullptr);
    EXPECT_EQ(file.ReadSectionLayout(4, length), nullptr);
    EXPECT_EQ(file.error_text, "before") << "an index out of range changes nothing";
    EXPECT_TRUE(prompt.texts.isEmpty());

    // Nothing of the refused file, nor of the earlier one, can be read.
    file.file_path = Pack("bad.dat", four, {"--damage", "record:3"});
    EXPECT_FALSE(file.Load(file.file_path));
    EXPECT_EQ(file.section_count, 0u);
    EXPECT_EQ(file.ReadSectionLayout(3, length), nullptr);
    EXPECT_FALSE(file.Load(Dir().filePath("missing.dat")));
    EXPECT_EQ(file.error_text, "Open file failed");

    // A model text without its terminator matches no model.
    ASSERT_TRUE(file.Load(Pack("model.dat", {}, {}, QString(85, '1'))));
    EXPECT_EQ(file.TargetModel(), -1);
}

// ---- Layouts ----

namespace {
bool LoadLayout(CFlashLayout& layout, const QByteArray& text)
{
    return layout.LoadText(reinterpret_cast<const uint8_t*>(text.constData()), uint32_t(text.size()));
}
}  // namespace

// Plain layouts expand into the sectors the update erases (FirmwareUpdateOrder);
// one without any group is refused there ("Section 1 has no flash range").
TEST(FlashLayout, ExamplesExpandIntoSectors)
{
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
}

// A reply lost on the way, for each command kind: dropped by the pedal, the
// command itself lost, or the reply late past the program's first wait. The
// operation succeeds without a box, the flash holds what was asked, and no
// song flash page is programmed twice (the rig checks on its way out).
#include "Frame.h"
#include "SongSupport.h"

#include <gtest/gtest.h>

namespace {

struct LostCase {
    const char* name;
    FaultKind kind;
    uint32_t param;
    uint8_t code;
    uint32_t times;  // lost in a row
};
void PrintTo(const LostCase& c, std::ostream* os) { *os << c.name; }

class LostReply : public ::testing::TestWithParam<LostCase> {};

TEST_P(LostReply, IsResolvedOnTheFlashWithoutABox)
{
    const LostCase& c = GetParam();
    CScriptedPrompt prompt;
    CPedalRig rig;
    ASSERT_TRUE(rig.Connect());
    constexpr uint32_t address = 0x80000;  // a song flash block of its own
    const Bytes data = SongAudio(3000);
    const QByteArray written(reinterpret_cast<const char*>(data.data()), int(data.size()));
    if (c.code != frame::kWrite)
        rig.pedal.Flash(1).Program(address, data.data(), data.size());
    for (uint32_t at = 1; at <= c.times; ++at)
        rig.pedal.AddFault({c.kind, c.param, at, c.code});
    CUSBPort& port = rig.port;
    Bytes back(data.size());
    switch (c.code) {
    case frame::kIdentify:
        EXPECT_TRUE(port.keep_alive());
        break;
    case frame::kErase:
        EXPECT_TRUE(port.flash_erase(1, address));
        EXPECT_EQ(FlashBytes(rig.pedal, 1, address, written.size()), QByteArray(written.size(), '\xFF'));
        break;
    case frame::kWrite:
        EXPECT_TRUE(port.flash_write(1, address, data.data(), uint32_t(data.size()), nullptr));
        EXPECT_EQ(FlashBytes(rig.pedal, 1, address, written.size()), written);
        break;
    case frame::kRead:
        EXPECT_TRUE(port.flash_read(1, address, back.data(), uint32_t(back.size())));
        EXPECT_EQ(back, data);
        break;
    case frame::kChecksum:
        EXPECT_EQ(port.flash_verify(1, address, data.data(), uint32_t(data.size())), 1);
        break;
    }
    EXPECT_TRUE(prompt.texts.isEmpty()) << prompt.texts.join('|').toStdString();
    rig.pedal.ClearFaults();
    EXPECT_TRUE(port.keep_alive()) << "a later reply is not taken for the next command's";
    EXPECT_TRUE(port.flash_read(1, address, back.data(), 16));
    EXPECT_TRUE(prompt.texts.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, LostReply,
    ::testing::Values(LostCase{"IdentifyDropped", FaultKind::Drop, 0, frame::kIdentify, 2},
                      LostCase{"IdentifyLate", FaultKind::Delay, 80, frame::kIdentify, 1},
                      LostCase{"EraseDropped", FaultKind::Drop, 0, frame::kErase, 1},
                      LostCase{"EraseLate", FaultKind::Delay, 5500, frame::kErase, 1},
                      LostCase{"WriteDropped", FaultKind::Drop, 0, frame::kWrite, 1},
                      LostCase{"WriteNeverArrived", FaultKind::Lose, 0, frame::kWrite, 2},
                      LostCase{"WriteLate", FaultKind::Delay, 2500, frame::kWrite, 1},
                      LostCase{"ReadDroppedTwiceInARow", FaultKind::Drop, 0, frame::kRead, 2},
                      LostCase{"ReadLate", FaultKind::Delay, 1500, frame::kRead, 1},
                      LostCase{"ChecksumDropped", FaultKind::Drop, 0, frame::kChecksum, 1},
                      LostCase{"ChecksumLate", FaultKind::Delay, 2500, frame::kChecksum, 1}),
    [](const ::testing::TestParamInfo<LostCase>& info) { return info.param.name; });

}  // namespace

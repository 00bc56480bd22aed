// End to end through the real RtMidi library: the standalone virtual pedal
// runs on a JACK server that run_e2e.sh started.
#include "CorvantaQT.h"
#include "PortSearch.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

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

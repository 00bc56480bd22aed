// Wire encoding, frame layout and the receive ring.
#include "ByteRing.h"
#include "Frame.h"
#include "WireCodec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <random>
#include <thread>
#include <vector>

using Bytes = std::vector<uint8_t>;

namespace {
// Every byte the ring holds, popped.
Bytes Drain(CByteRing& ring)
{
    Bytes read;
    uint8_t b;
    while (ring.Pop(b))
        read.push_back(b);
    return read;
}
}  // namespace

// Every length up to 64 and the largest write frame (its 5,120 bytes of data
// and 15 of frame) pack to 8 bytes for 7, none with the high bit set, and
// unpack to what went in; an unpack into a shorter buffer stops at its end.
TEST(WireCodec, EveryLengthRoundTripsAndUnpackStopsAtMax)
{
    std::mt19937 rng(99);
    for (size_t n = 0; n <= 65; ++n) {
        const size_t length = n <= 64 ? n : 5120 + 15;
        SCOPED_TRACE(length);
        Bytes in(length);
        std::generate(in.begin(), in.end(), [&] { return uint8_t(rng()); });
        Bytes wire(PackedSize(length));
        ASSERT_EQ(Pack7(in.data(), length, wire.data()), wire.size());
        EXPECT_EQ(wire.size(), (8 * length + 6) / 7);
        EXPECT_TRUE(std::all_of(wire.begin(), wire.end(), [](uint8_t b) { return b < 0x80; }));
        Bytes back(length + 1);
        back.resize(Unpack7(wire.data(), wire.size(), back.data(), back.size()));
        EXPECT_EQ(back, in);
        Bytes head(length / 2);
        EXPECT_EQ(Unpack7(wire.data(), wire.size(), head.data(), head.size()), head.size());
        EXPECT_TRUE(std::equal(head.begin(), head.end(), in.begin()));
    }
}

TEST(Frame, ChecksumIsTheNotOfThePayloadSumOnly)
{
    uint8_t f[16] = {0, 0, 0, 0, 0, 0, 0x01, 0x00, 0x00, 0x01, 0x00};
    ASSERT_EQ(frame::Finish(f, frame::kErase, 5), 12u);  // its bytes: ProtocolFrames.GoldenFramesOnTheWire
    EXPECT_TRUE(frame::ChecksumHolds(f));
    f[2] = 0x7E;  // header and code are not covered
    EXPECT_TRUE(frame::ChecksumHolds(f));
    f[8] ^= 1;
    EXPECT_FALSE(frame::ChecksumHolds(f));
    const uint8_t empty[7] = {0x00, 0x59, 0x11, 0, 0, 0, 0x12};
    EXPECT_TRUE(frame::ChecksumHolds(empty)) << "L = 0 is not checked";
    EXPECT_EQ(frame::Sum16(Bytes(300, 0xFF).data(), 300), uint16_t(300 * 255));
}

TEST(ByteRing, MessageThatDoesNotFitIsDroppedWholeAndFlagged)
{
    CByteRing ring(64);
    const Bytes unread(40, 0xAA);
    ASSERT_TRUE(ring.Append(unread.data(), unread.size()));
    ASSERT_TRUE(ring.Append(nullptr, 0)) << "an empty message changes nothing";
    const Bytes big(30, 0xBB);
    EXPECT_FALSE(ring.Append(big.data(), big.size()));
    EXPECT_TRUE(ring.Overflowed());
    EXPECT_EQ(Drain(ring), unread) << "unread bytes must never be overwritten";
    ring.Flush();
    EXPECT_FALSE(ring.Overflowed());
    EXPECT_TRUE(ring.Append(big.data(), big.size()));
}

// A producer thread and the consumer move a long numbered stream through a
// small ring; every byte must arrive once and in order. Messages of 13 bytes
// in a ring of 257 end at every place of the array, and run across its end.
TEST(ByteRing, ProducerAndConsumerThreadsKeepOrder)
{
    CByteRing ring(257);
    constexpr uint32_t kTotal = 2'000'000;
    std::thread producer([&] {
        uint8_t chunk[13];
        for (uint32_t sent = 0; sent < kTotal;) {
            const uint32_t n = std::min<uint32_t>(sizeof chunk, kTotal - sent);
            for (uint32_t i = 0; i < n; ++i)
                chunk[i] = uint8_t((sent + i) * 7);
            if (ring.Append(chunk, n))
                sent += n;
            else
                std::this_thread::yield();
        }
    });
    uint32_t received = 0;
    bool inOrder = true;
    uint8_t b;
    while (received < kTotal) {
        if (!ring.Pop(b))
            continue;
        inOrder = inOrder && b == uint8_t(received * 7);
        ++received;
    }
    producer.join();
    EXPECT_TRUE(inOrder);
    EXPECT_TRUE(ring.Empty());
}

// The input thread keeps dropping messages for lack of room while the reader
// flushes. A drop decided before a flush belongs to the bytes that flush
// discarded: right after a flush the ring may only say it overflowed when
// a message came after the flush and did not fit beside unread bytes.
TEST(ByteRing, FlushAndOverflowAgreeAcrossThreads)
{
    CByteRing ring(64);
    std::atomic<bool> stop{false};
    std::thread producer([&] {
        const Bytes message(40, 0x5A);
        while (!stop.load())
            ring.Append(message.data(), message.size());
    });
    uint32_t falseAlarms = 0;
    for (int i = 0; i < 200000; ++i) {
        ring.Flush();
        if (ring.Overflowed() && ring.Empty())
            ++falseAlarms;
    }
    stop = true;
    producer.join();
    EXPECT_EQ(falseAlarms, 0u);
}

// A reader asleep on an empty ring is woken by the writer's bytes, by an
// overflow and by an interrupt; the generous limit only catches a wake-up
// that never comes.
TEST(ByteRing, SleepingReaderWakesForBytesOverflowAndInterrupt)
{
    using namespace std::chrono;
    CByteRing ring(64);
    // What a sleep of a minute ends with once another thread has acted.
    const auto wakeFor = [&](const std::function<void()>& act) {
        std::thread other(act);
        const auto start = steady_clock::now();
        const bool readable = ring.WaitForData(CByteRing::Clock::now() + seconds(60));
        EXPECT_LT(steady_clock::now() - start, seconds(20));
        other.join();
        return readable;
    };
    const Bytes message(40, 0x01), tooBig(64, 0x02);
    EXPECT_TRUE(wakeFor([&] { ring.Append(message.data(), message.size()); }));
    ring.Flush();
    EXPECT_TRUE(wakeFor([&] { ring.Append(tooBig.data(), tooBig.size()); }));
    EXPECT_TRUE(ring.Overflowed() && ring.Empty()) << "the message was dropped whole";
    ring.Flush();
    EXPECT_FALSE(ring.Overflowed());
    EXPECT_FALSE(wakeFor([&] { ring.Interrupt(); }));
    EXPECT_FALSE(wakeFor([] {})) << "an interrupt lasts";
    ring.ResetInterrupt();
    EXPECT_FALSE(ring.WaitForData(CByteRing::Clock::now() + milliseconds(5))) << "nothing came";
}

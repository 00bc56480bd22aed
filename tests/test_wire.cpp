// Wire encoding, frame layout and the receive ring.
#include "ByteRing.h"
#include "Frame.h"
#include "WireCodec.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>

#include <random>
#include <thread>
#include <vector>

using Bytes = std::vector<uint8_t>;

namespace {
Bytes Packed(const Bytes& in)
{
    Bytes out(PackedSize(in.size()));
    EXPECT_EQ(Pack7(in.data(), in.size(), out.data()), out.size());
    return out;
}

// Every byte the ring holds, popped.
Bytes Drain(CByteRing& ring)
{
    Bytes read;
    uint8_t b;
    while (ring.Pop(b))
        read.push_back(b);
    return read;
}

Bytes RandomBytes(size_t n, unsigned seed)
{
    std::mt19937 rng(seed);
    Bytes b(n);
    for (auto& x : b)
        x = uint8_t(rng());
    return b;
}
}  // namespace

TEST(WireCodec, IdentifyRequestPacksToTheGoldenBytes)
{
    EXPECT_EQ(Packed({0x00, 0x59, 0x11, 0x00, 0x00, 0x00, 0xFF}), (Bytes{0x00, 0x32, 0x45, 0x00, 0x00, 0x00, 0x40, 0x7F}));
}

TEST(WireCodec, EveryLengthUpTo64RoundTrips)
{
    for (size_t n = 0; n <= 64; ++n) {
        const Bytes in = RandomBytes(n, unsigned(n));
        const Bytes wire = Packed(in);
        EXPECT_EQ(wire.size(), (8 * n + 6) / 7) << n;
        for (uint8_t b : wire)
            ASSERT_LT(b, 0x80) << "data byte with the high bit set, length " << n;
        Bytes back(n + 1);
        back.resize(Unpack7(wire.data(), wire.size(), back.data(), back.size()));
        EXPECT_EQ(back, in) << n;
    }
}

TEST(WireCodec, LargestWriteFrameRoundTripsAndUnpackStopsAtMax)
{
    const Bytes in = RandomBytes(5120 + 15, 99);
    const Bytes wire = Packed(in);
    EXPECT_EQ(wire.size(), 5869u);
    Bytes back(in.size());
    EXPECT_EQ(Unpack7(wire.data(), wire.size(), back.data(), back.size()), in.size());
    EXPECT_EQ(back, in);
    Bytes head(100);
    EXPECT_EQ(Unpack7(wire.data(), wire.size(), head.data(), head.size()), 100u);
    EXPECT_TRUE(std::equal(head.begin(), head.end(), in.begin()));
}

TEST(Frame, ChecksumIsTheNotOfThePayloadSumOnly)
{
    uint8_t f[16] = {};
    f[6] = 0x01;
    f[7] = 0x00;
    f[8] = 0x00;
    f[9] = 0x01;
    f[10] = 0x00;
    ASSERT_EQ(frame::Finish(f, frame::kErase, 5), 12u);
    EXPECT_EQ(Bytes(f, f + 12), (Bytes{0x00, 0x59, 0x21, 0x05, 0x00, 0x00, 0x01, 0x00, 0x00, 0x01, 0x00, 0xFD}));
    EXPECT_TRUE(frame::ChecksumHolds(f));
    f[2] = 0x7E;  // header and code are not covered
    EXPECT_TRUE(frame::ChecksumHolds(f));
    f[8] ^= 1;
    EXPECT_FALSE(frame::ChecksumHolds(f));
    const uint8_t empty[7] = {0x00, 0x59, 0x11, 0, 0, 0, 0x12};
    EXPECT_TRUE(frame::ChecksumHolds(empty)) << "L = 0 is not checked";
    EXPECT_EQ(frame::Sum16(Bytes(300, 0xFF).data(), 300), uint16_t(300 * 255));
}

TEST(ByteRing, AppendWrapsAtTheEndOfTheArray)
{
    CByteRing ring;
    const Bytes fill(51195, 0x55), five = {1, 2, 3, 4, 5};
    ASSERT_TRUE(ring.Append(fill.data(), fill.size()));
    Drain(ring);
    ASSERT_TRUE(ring.Append(five.data(), 5));
    EXPECT_EQ(ring.WritePosition(), 0u) << "ending exactly at capacity wraps to zero";
    ring.Append(nullptr, 0);
    EXPECT_EQ(ring.WritePosition(), 0u) << "an empty message changes nothing";
    EXPECT_EQ(Drain(ring), five);

    ASSERT_TRUE(ring.Append(fill.data(), fill.size()));
    Drain(ring);
    ASSERT_EQ(ring.ReadPosition(), 51195u);
    const Bytes ten = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    ASSERT_TRUE(ring.Append(ten.data(), ten.size()));
    EXPECT_EQ(ring.WritePosition(), 5u);
    EXPECT_EQ(Bytes(ring.Data() + 51195, ring.Data() + 51200), (Bytes{1, 2, 3, 4, 5}));
    EXPECT_EQ(Bytes(ring.Data(), ring.Data() + 5), (Bytes{6, 7, 8, 9, 10}));
    EXPECT_EQ(Drain(ring), ten);
}

TEST(ByteRing, MessageThatDoesNotFitIsDroppedWholeAndFlagged)
{
    CByteRing ring(64);
    const Bytes unread(40, 0xAA);
    ASSERT_TRUE(ring.Append(unread.data(), unread.size()));
    const Bytes big(30, 0xBB);
    EXPECT_FALSE(ring.Append(big.data(), big.size()));
    EXPECT_TRUE(ring.Overflowed());
    EXPECT_EQ(Drain(ring), unread) << "unread bytes must never be overwritten";
    ring.Flush();
    EXPECT_FALSE(ring.Overflowed());
    EXPECT_TRUE(ring.Append(big.data(), big.size()));
}

// A producer thread and the consumer move a long numbered stream through a
// small ring; every byte must arrive once and in order.
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
    const auto farAway = [] { return CByteRing::Clock::now() + seconds(60); };
    const auto limit = seconds(20);
    const Bytes message(40, 0x01);

    std::thread writer([&] { ring.Append(message.data(), message.size()); });
    auto start = steady_clock::now();
    EXPECT_TRUE(ring.WaitForData(farAway()));
    EXPECT_LT(steady_clock::now() - start, limit);
    writer.join();

    ring.Flush();
    const Bytes tooBig(64, 0x02);
    std::thread overflow([&] { ring.Append(tooBig.data(), tooBig.size()); });
    start = steady_clock::now();
    EXPECT_TRUE(ring.WaitForData(farAway()));
    EXPECT_LT(steady_clock::now() - start, limit);
    overflow.join();
    EXPECT_TRUE(ring.Overflowed() && ring.Empty()) << "the message was dropped whole";
    ring.Flush();
    EXPECT_FALSE(ring.Overflowed());

    std::thread interrupter([&] { ring.Interrupt(); });
    start = steady_clock::now();
    EXPECT_FALSE(ring.WaitForData(farAway()));
    EXPECT_LT(steady_clock::now() - start, limit);
    interrupter.join();
    EXPECT_FALSE(ring.WaitForData(farAway())) << "an interrupt lasts";
    ring.ResetInterrupt();
    EXPECT_FALSE(ring.WaitForData(CByteRing::Clock::now() + milliseconds(5))) << "nothing came";
}

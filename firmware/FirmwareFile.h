#pragma once
// The firmware file (".dat"): a 128-byte header with the target model and
// the section count, 128-byte section records, and per section a flash
// layout text and a zlib image scrambled with XOR 0xA7.
#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class CFirmwareFile {
public:
    static constexpr size_t kHeaderSize = 128;
    static constexpr size_t kRecordSize = 128;
    static constexpr uint32_t kMaxSections = 99;
    using Record = std::array<uint8_t, kRecordSize>;

    // Opens and validates the file; on false error_text says why.
    bool Load(const QString& path);
    // The section's layout text (not terminated) or null; valid until the next read.
    const uint8_t* ReadSectionLayout(uint32_t index, uint32_t& length);
    // The section's decompressed image or null; valid until the next read.
    const uint8_t* ReadSectionData(uint32_t index, uint32_t& length);
    // The image length the section's record declares (data_length), 0 out of range.
    uint32_t DeclaredLength(uint32_t index) const;
    // The target model number of the header; -1 when its text is not terminated before offset 112.
    long long TargetModel() const;

    QString error_text;
    uint32_t section_count = 0;
    QString file_path;
    std::array<uint8_t, kHeaderSize> header{};
    std::vector<Record> sections;

private:
    bool Fail(const QString& text);
    uint8_t* Scratch(uint64_t size);
    bool ReadAt(uint64_t offset, uint64_t length, uint8_t* into);

    std::unique_ptr<uint8_t[]> m_scratch;
    uint64_t m_scratchSize = 0;
};

#pragma once
// SLC NAND flash: erase sets a whole block to 0xFF; a write programs each
// page it touches, and a page is programmed once between erases of its
// block. A write that would program a page a second time is refused,
// changes nothing and counts as a violation.
//
// The pedal keeps one page open: a write that starts exactly where the
// previous one ended, inside a page that write left part-way, continues
// that page rather than programming it again (a stream of write frames, as
// a firmware section is sent, fills its pages in one pass).
#include "FlashMemory.h"

#include <atomic>
#include <vector>

class CNandFlash : public CFlashMemory {
public:
    // size and blockSize are whole multiples of pageSize.
    CNandFlash(uint64_t size, uint32_t blockSize, uint32_t pageSize, std::unique_ptr<IFlashStore> store);

    uint32_t PageSize() const { return m_pageSize; }
    // Writes refused because they would program a page a second time.
    uint32_t Violations() const { return m_violations.load(); }

private:
    bool EraseBytes(uint64_t start, uint64_t n) override;
    bool ProgramBytes(uint64_t address, const uint8_t* data, size_t n, size_t limit) override;
    // Programmed since its block's last erase; a page of an image from an
    // earlier run counts as programmed when it holds anything but 0xFF.
    bool Programmed(uint64_t page);

    static constexpr uint64_t kNoOpenPage = UINT64_MAX;

    const uint32_t m_pageSize;
    std::vector<bool> m_programmed;
    std::vector<uint8_t> m_pageBuffer;
    uint64_t m_openEnd = kNoOpenPage;  // where a continuing write starts
    std::atomic<uint32_t> m_violations{0};
};

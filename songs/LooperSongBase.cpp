#include "LooperSongBase.h"

#include "Operation.h"
#include "ProgressEvent.h"
#include "Prompt.h"
#include "SongResult.h"
#include "USBPort.h"

#include <QCoreApplication>
#include <QDebug>

#include <algorithm>
#include <cstring>

namespace {
// Between two pages of an operation that reports its progress: the event
// loop runs, and whether the user asked to stop.
bool GoOn(QObject* receiver)
{
    return !receiver || ContinueOperation();
}

bool PageRead(QObject* receiver, uint64_t done, uint64_t total)
{
    PostProgress(receiver, int64_t(done), int64_t(total));
    return GoOn(receiver);
}
}  // namespace

void SongCatalogueState::RebuildUsedMap()
{
    used.reset();
    if (!songs)
        return;
    for (const auto& slot : *songs)
        slot->AddSongBlocks(used);
}

CLooperSongBase::~CLooperSongBase() = default;

void CLooperSongBase::set_song_area(int info_block, const SongAreaParams& params, CUSBPort* link)
{
    m_info_block = info_block;
    m_params = params;
    m_link = link;
}

uint32_t CLooperSongBase::get_block_count() const { return uint32_t(BlocksFor(m_params, get_song_size())); }

void CLooperSongBase::AddSongBlocks(UsedBlockMap& map) const
{
    const uint32_t count = get_block_count();
    for (uint32_t i = 0; i < count; ++i) {
        if (block_at(i) < kMaxBlockNumbers)
            map.set(block_at(i));
    }
}

void CLooperSongBase::mark_song_blocks(UsedBlockMap& map) const
{
    map.reset();
    AddSongBlocks(map);
}

int CLooperSongBase::delete_song()
{
    if (m_catalogue && m_catalogue->load_required)
        return m_catalogue->load_required;
    if (!m_link->flash_erase(kSongFlash, BlockAddress(m_params, uint32_t(m_info_block)))) {
        if (m_catalogue)
            m_catalogue->load_required = SongEraseFailed;
        return SongEraseFailed;
    }
    clear_song_info();
    if (m_catalogue)
        m_catalogue->RebuildUsedMap();
    return SongOk;
}

int CLooperSongBase::read_song_file(uint8_t* destination, uint32_t capacity, QObject* progress)
{
    const uint32_t length = get_song_size();
    if (capacity < length)
        return SongNoSpace;
    std::vector<uint8_t> page(m_params.page_payload);
    uint32_t done = 0;
    const uint32_t count = get_block_count();
    for (uint32_t c = 0; c < count && done < length; ++c) {
        const uint16_t block = block_at(c);
        qDebug("Read file block=%d\n", block);
        for (uint32_t j = 0; j < m_params.pages_per_block; ++j) {
            const uint32_t address = PageAddress(m_params, block, PhysicalPage(m_params, c, j));
            if (!m_link->flash_read(kSongFlash, address, page.data(), m_params.page_payload))
                return SongReadFailed;
            const uint32_t remaining = length - done;
            if (remaining > m_params.page_payload) {
                std::memcpy(destination + done, page.data(), m_params.page_payload);
                done += m_params.page_payload;
                if (!PageRead(progress, done, length))
                    return SongCancelled;
            } else {
                std::memcpy(destination + done, page.data(), remaining);
                done = length;
                break;
            }
        }
    }
    return SongOk;
}

int CLooperSongBase::WriteAudio(const BlockList& blocks, const uint8_t* data, uint32_t length, QObject* progress,
                                bool verify)
{
    std::vector<uint8_t> padded;
    uint32_t done = 0;
    for (uint32_t c = 0; c < blocks.size() && done < length; ++c) {
        qDebug("Write file block=%d\n", blocks[c]);
        if (!m_link->flash_erase(kSongFlash, BlockAddress(m_params, blocks[c])))
            return SongEraseFailed;
        for (uint32_t j = 0; j < m_params.pages_per_block && done < length; ++j) {
            const uint32_t address = PageAddress(m_params, blocks[c], PhysicalPage(m_params, c, j));
            const uint32_t n = std::min(length - done, m_params.page_payload);
            const uint8_t* bytes = data + done;
            uint32_t count = n;
            if (n % m_params.write_unit != 0) {
                count = (n / m_params.write_unit + 1) * m_params.write_unit;
                padded.assign(count, 0);
                std::memcpy(padded.data(), bytes, n);
                bytes = padded.data();
            }
            const bool ok = verify ? m_link->flash_write_verify(kSongFlash, address, bytes, count, nullptr) == 1
                                   : m_link->flash_write(kSongFlash, address, bytes, count, nullptr);
            if (!ok)
                return SongWriteFailed;
            done += n;
            // The song info is written after the last page: a cancel here
            // leaves the slot's previous song as it was.
            if (!GoOn(progress))
                return SongCancelled;
        }
        PostProgress(progress, int64_t(done), int64_t(length));
    }
    return SongOk;
}

int CLooperSongBase::CommitSongInfo(uint32_t page, uint32_t step, const uint8_t* record, uint32_t size)
{
    const uint32_t pages = (size + m_params.page_size - 1) / m_params.page_size;
    bool readOk = true;
    while (page < m_params.pages_per_block && !RangeErased(InfoAddress(page), pages * m_params.page_size, readOk)) {
        if (!readOk)
            return -SongReadFailed;
        page += step;
    }
    if (page >= m_params.pages_per_block) {
        if (!m_link->flash_erase(kSongFlash, InfoAddress(0)))
            return -SongEraseFailed;
        page = 0;
    }
    if (!m_link->flash_write(kSongFlash, InfoAddress(page), record, size, nullptr))
        return -SongWriteFailed;
    return int(page);
}

bool CLooperSongBase::RangeErased(uint32_t address, uint32_t n, bool& readOk) const
{
    std::vector<uint8_t> bytes(n);
    readOk = m_link->flash_read(kSongFlash, address, bytes.data(), n);
    return readOk && std::all_of(bytes.begin(), bytes.end(), [](uint8_t b) { return b == 0xFF; });
}

int CLooperSongBase::FirstBadBlock(uint32_t count) const
{
    for (uint32_t i = 0; i < count; ++i) {
        if (!IsDataBlock(m_params, block_at(i)))
            return int(i);
    }
    return -1;
}

void CLooperSongBase::ShowBrokenChain(long long value, long long limit)
{
    ShowMessage(
        QCoreApplication::translate("LooperSongBase", "Error:Block chain %1 greater than %2").arg(value).arg(limit));
}

#include "LooperSongOld.h"

#include "Frame.h"
#include "SongResult.h"
#include "USBPort.h"

#include "Logging.h"

#include <algorithm>
#include <cstring>

namespace {
const char kMagic[7] = {'l', 'o', 'o', 'p', 'e', 'r', 0};
constexpr uint32_t kTrailerOffset = 2616;
constexpr uint32_t kBlockListOffset = 16;
constexpr uint32_t kFlagFirst = 0x10000;
constexpr uint32_t kFlagSector = 0x800;
constexpr int kFlagSectors = 16;
}  // namespace

void CLooperSongOld::clear_song_info()
{
    m_record.fill(0);
    m_current_page = -2;
}

uint16_t CLooperSongOld::block_at(uint32_t index) const
{
    return uint16_t(frame::GetLE(&m_record[kBlockListOffset + 2 * index], 2));
}

bool CLooperSongOld::RecordValid() const
{
    return std::memcmp(m_record.data(), kMagic, sizeof kMagic) == 0 && m_record[8] != 0;
}

uint32_t CLooperSongOld::get_song_size() const
{
    if (!RecordValid())
        return 0;
    const uint64_t lastBlock = frame::GetLE(&m_record[12], 2);
    const uint64_t lastPage = m_record[14];
    const uint64_t lastUnit = m_record[15];
    const uint64_t length = (lastBlock * m_params.pages_per_block + lastPage) * m_params.page_payload +
                            (lastUnit + 1) * m_params.write_unit;
    return uint32_t(std::min<uint64_t>(length, UINT32_MAX));
}

// The last unit's position must lie inside the area's geometry and the block
// list, or the record is a broken chain.
bool CLooperSongOld::PositionInRange() const
{
    const uint32_t unitsPerPage = m_params.page_payload / m_params.write_unit;
    const uint64_t blocks = uint64_t(frame::GetLE(&m_record[12], 2)) + 1;
    const uint32_t limit = std::min(m_params.max_song_blocks, kRecordBlocks);
    if (blocks > limit) {
        ShowBrokenChain((long long)blocks, limit);
        return false;
    }
    if (m_record[14] >= m_params.pages_per_block || m_record[15] >= unitsPerPage) {
        ShowBrokenChain(m_record[14] >= m_params.pages_per_block ? m_record[14] : m_record[15],
                        m_record[14] >= m_params.pages_per_block ? m_params.pages_per_block : unitsPerPage);
        return false;
    }
    return true;
}

int CLooperSongOld::find_fat_page(int, int high)
{
    int page = high;
    while (page > 0) {
        uint8_t lead[2];
        if (!m_link->flash_read(kSongFlash, InfoAddress(uint32_t(page)), lead, 2))
            return -3;
        if (lead[0] == uint8_t(kMagic[0]) && lead[1] == uint8_t(kMagic[1])) {
            qCDebug(lcSongs, "info page %d used", page);
            return page;
        }
        qCDebug(lcSongs, "info page %d not used", page);
        page -= 2;
    }
    return page;
}

int CLooperSongOld::load_song_info(UsedBlockMap& map)
{
    clear_song_info();
    int page = find_fat_page(0, int(m_params.pages_per_block) - 2);
    if (page == -3)
        return SongReadFailed;
    const int top = std::max(page, 0);
    // A record whose trailer is still erased was cut short. Each such write
    // failed, so the record below it stayed current while it was written and
    // its blocks were never handed out: the scan goes on down to the first
    // record that is not cut.
    Record record{};
    while (true) {
        if (page == -3 || !ReadRecord(uint32_t(std::max(page, 0)), record)) {
            clear_song_info();
            return SongReadFailed;
        }
        if (!TrailerErased(record))
            break;
        record = Record{};
        if (page <= 0)
            break;
        page = find_fat_page(0, page - 2);
    }
    m_record = record;
    m_current_page = top;
    if (!RecordValid())
        return SongOk;
    if (!PositionInRange()) {
        m_record.fill(0);
        return SongOk;
    }
    const int bad = FirstBadBlock(get_block_count());
    if (bad >= 0) {
        ShowBrokenChain(bad, kMaxBlockNumbers);
        m_record.fill(0);
        return SongOk;
    }
    AddSongBlocks(map);
    return SongOk;
}

bool CLooperSongOld::ReadRecord(uint32_t page, Record& record)
{
    return m_link->flash_read(kSongFlash, InfoAddress(page), record.data(), kRecordSize);
}

bool CLooperSongOld::TrailerErased(const Record& record)
{
    return std::all_of(record.begin() + kTrailerOffset, record.end(), [](uint8_t b) { return b == 0xFF; });
}

CLooperSongOld::Record CLooperSongOld::BuildRecord(const SongAreaParams& a, const BlockList& blocks, uint32_t length)
{
    Record r;
    r.fill(0xFF);
    std::memcpy(&r[0], kMagic, sizeof kMagic);
    std::memcpy(&r[kTrailerOffset], kMagic, sizeof kMagic);
    r[8] = 1;
    r[10] = 0;
    r[11] = 0;
    const uint32_t unitsPerPage = a.page_payload / a.write_unit;
    const uint32_t unitsPerBlock = a.pages_per_block * unitsPerPage;
    uint64_t units = (uint64_t(length) + a.write_unit - 1) / a.write_unit;
    const uint64_t last = units == 0 ? 0 : units - 1;
    frame::PutLE(&r[12], uint32_t(last / unitsPerBlock), 2);
    r[14] = uint8_t((last % unitsPerBlock) / unitsPerPage);
    r[15] = uint8_t((last % unitsPerBlock) % unitsPerPage);
    for (size_t i = 0; i < blocks.size() && i < kRecordBlocks; ++i)
        frame::PutLE(&r[kBlockListOffset + 2 * i], blocks[i], 2);
    return r;
}

int CLooperSongOld::write_song_file(BlockList blocks, const uint8_t* data, uint32_t length, QObject* progress)
{
    if (m_params.max_song_blocks > kRecordBlocks)
        return SongTooLarge;  // the record cannot name that many blocks
    // A failed block erase ends here: the previous record stays current and
    // no song-file flag is written.
    const int audio = WriteAudio(blocks, data, length, progress, true);
    if (audio != SongOk)
        return audio;
    const Record record = BuildRecord(m_params, blocks, length);
    const int page = CommitSongInfo(uint32_t(m_current_page + 2), 2, record.data(), kRecordSize);
    if (page == -SongEraseFailed || page == -SongReadFailed)
        return -page;
    int result = SongOk;
    if (page >= 0) {
        m_record = record;
        m_current_page = page;
        qCDebug(lcSongs, "song info written at page %d", page);
    } else {
        result = SongWriteFailed;
    }
    if (!write_song_file_flag())
        result = SongFlagFailed;
    return result;
}

bool CLooperSongOld::write_song_file_flag()
{
    for (int i = 0; i < kFlagSectors; ++i) {
        const uint32_t address = kFlagFirst + uint32_t(i) * kFlagSector;
        if (!m_link->flash_erase(0, address)) {
            qCDebug(lcSongs, "song file flag: erase failed at 0x%.8x", address);
            return false;
        }
    }
    const uint8_t flag[2] = {0x00, 0x00};
    return m_link->flash_write(0, kFlagFirst, flag, 2, nullptr);
}

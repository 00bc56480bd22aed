#include "LooperSongFile.h"

#include "Frame.h"
#include "SongResult.h"
#include "USBPort.h"

#include "Logging.h"

namespace {
constexpr uint8_t kMarker0 = 0x48;  // 'H'
constexpr uint8_t kMarker1 = 0x44;  // 'D'
constexpr uint32_t kMarkerSize = 2;
}  // namespace

void CLooperSongFile::clear_song_info()
{
    m_song_length = 0;
    m_current_page = -1;
    m_damaged = false;
    m_block_list.clear();
}

void CLooperSongFile::mark_song_blocks(UsedBlockMap& map) const
{
    if (m_song_length != 0)
        CLooperSongBase::mark_song_blocks(map);
}

int CLooperSongFile::find_fat_page(int low, int high)
{
    // Bisection for the last page that is programmed: the writer steps over
    // every page that is not erased, so the programmed pages of an info
    // block run unbroken from page 0, whatever a cut write or a worn cell
    // left in them. Page low is never read.
    while (low != high) {
        qCDebug(lcSongs, "FAT page search between %d and %d", low, high);
        const int mid = (low + high + 1) / 2;
        uint8_t lead[2];
        if (!m_link->flash_read(kSongFlash, InfoAddress(uint32_t(mid)), lead, 2))
            return -1;
        if (lead[0] != 0xFF || lead[1] != 0xFF) {
            qCDebug(lcSongs, "FAT page %d programmed", mid);
            low = mid;
        } else {
            qCDebug(lcSongs, "FAT page %d erased", mid);
            high = mid - 1;
        }
    }
    qCDebug(lcSongs, "FAT page search ends at %d", low);
    return low;
}

int CLooperSongFile::load_song_info(UsedBlockMap& map)
{
    clear_song_info();
    uint8_t first[2];
    if (!m_link->flash_read(kSongFlash, InfoAddress(0), first, 2))
        return SongReadFailed;
    if (first[0] == 0xFF && first[1] == 0xFF)
        return SongOk;
    const int last = find_fat_page(0, int(m_params.pages_per_block) - 1);
    if (last < 0)
        return SongReadFailed;
    // Pages after the last whole FAT page are writes that never completed
    // (a cut, a worn cell): each failed, so the song of the page before them
    // stayed current while they were written and its blocks were never
    // handed out. The next write goes after the last programmed page.
    std::vector<uint8_t> record;
    int code = SongChecksumError;
    int page = last;
    for (; page >= 0 && code == SongChecksumError; --page)
        code = ReadFatPage(uint32_t(page), record);
    m_current_page = code == SongOk ? page + 1 : last;
    m_damaged = code == SongChecksumError;
    if (code != SongOk)
        return code;
    const uint64_t length = uint64_t(frame::GetLE(&record[3], 4)) * m_params.write_unit;
    if (!TakeBlockList(record, length))
        return SongOk;  // a broken chain: the slot is empty
    AddSongBlocks(map);
    return SongOk;
}

// Reads the FAT page at page: whole when it carries the marker and its checksum holds.
int CLooperSongFile::ReadFatPage(uint32_t page, std::vector<uint8_t>& record)
{
    record.resize(RecordSize(m_params));
    if (!m_link->flash_read(kSongFlash, InfoAddress(page), record.data(), uint32_t(record.size())))
        return SongReadFailed;
    const uint32_t summed = uint32_t(record.size()) - 2;
    const bool whole = record[0] == kMarker0 && record[1] == kMarker1 &&
                       frame::Sum16(&record[kMarkerSize], summed - kMarkerSize) == frame::GetLE(&record[summed], 2);
    return whole ? SongOk : SongChecksumError;
}

// Takes length and block list from a FAT page when they make a song of
// this area; otherwise shows the broken-chain box and leaves the slot empty.
bool CLooperSongFile::TakeBlockList(const std::vector<uint8_t>& record, uint64_t length)
{
    const uint64_t count = BlocksFor(m_params, length);
    if (count > m_params.max_song_blocks) {
        ShowBrokenChain((long long)count, m_params.max_song_blocks);
        return false;
    }
    m_block_list.resize(m_params.max_song_blocks);
    for (uint32_t i = 0; i < m_params.max_song_blocks; ++i)
        m_block_list[i] = uint16_t(frame::GetLE(&record[7 + 2 * i], 2));
    const int bad = FirstBadBlock(uint32_t(count));
    if (bad >= 0) {
        ShowBrokenChain(bad, kMaxBlockNumbers);
        m_block_list.clear();
        return false;
    }
    m_song_length = uint32_t(length);
    return true;
}

std::vector<uint8_t> CLooperSongFile::BuildFatPage(const SongAreaParams& a, const BlockList& blocks, uint32_t length)
{
    std::vector<uint8_t> record(RecordSize(a), 0xFF);
    record[0] = kMarker0;
    record[1] = kMarker1;
    record[2] = 0xFF;
    frame::PutLE(&record[3], length / a.write_unit, 4);
    for (size_t i = 0; i < blocks.size() && i < a.max_song_blocks; ++i)
        frame::PutLE(&record[7 + 2 * i], blocks[i], 2);
    const uint32_t end = 7 + 2 * a.max_song_blocks;
    frame::PutLE(&record[end], frame::Sum16(&record[2], end - 2), 2);
    return record;
}

int CLooperSongFile::write_song_file(BlockList blocks, const uint8_t* data, uint32_t length, QObject* progress)
{
    // A failed block erase leaves the previous FAT page current: the
    // previous song stays intact.
    const int audio = WriteAudio(blocks, data, length, progress, false);
    if (audio != SongOk)
        return audio;
    const std::vector<uint8_t> record = BuildFatPage(m_params, blocks, length);
    int page = FirstFatPage();
    if (page >= 0)
        page = CommitSongInfo(uint32_t(page), 1, record.data(), uint32_t(record.size()));
    if (page < 0)
        return -page;
    m_song_length = length;
    m_block_list = std::move(blocks);
    m_current_page = page;
    m_damaged = false;
    qCDebug(lcSongs, "FAT page %d written", page);
    return SongOk;
}

// Where the next FAT page goes: after the current one. A slot that read as
// empty has its info block erased first and starts at page 0: an erase cut
// short (a delete, or the wrap of a full block) can leave FAT pages anywhere
// above page 0, and the search for the last page would find them instead of
// the new one.
int CLooperSongFile::FirstFatPage() const
{
    return m_current_page >= 0 ? m_current_page + 1 : int(m_params.pages_per_block);
}

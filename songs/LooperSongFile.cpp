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
    // Bisection for the last page that carries the marker; page low is never read.
    while (low != high) {
        qCDebug(lcSongs, "FAT page search between %d and %d", low, high);
        const int mid = (low + high + 1) / 2;
        uint8_t marker[2];
        if (!m_link->flash_read(kSongFlash, InfoAddress(uint32_t(mid)), marker, 2))
            return -1;
        if (marker[0] == kMarker0 && marker[1] == kMarker1) {
            qCDebug(lcSongs, "FAT page %d used", mid);
            low = mid;
        } else {
            qCDebug(lcSongs, "FAT page %d not used", mid);
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
    const int page = find_fat_page(0, int(m_params.pages_per_block) - 1);
    if (page < 0)
        return SongReadFailed;
    // The next write appends after this page, also when it is broken, so
    // that a new FAT page always lands where the next load finds it.
    m_current_page = page;
    std::vector<uint8_t> body;
    int code = ReadFatBody(uint32_t(page), body);
    // A last page whose checksum fails is a write cut short; the page before
    // it is current when it holds, as a new song never takes the blocks of
    // the song it replaces. Only one step back: older songs' blocks may
    // have been reused.
    if (code == SongChecksumError && page > 0)
        code = ReadFatBody(uint32_t(page - 1), body);
    m_damaged = code == SongChecksumError;
    if (code != SongOk)
        return code;
    const uint64_t length = uint64_t(frame::GetLE(&body[1], 4)) * m_params.write_unit;
    if (!TakeBlockList(body, length))
        return SongOk;  // a broken chain: the slot is empty
    AddSongBlocks(map);
    return SongOk;
}

// Reads the FAT page at page without its marker and checks its checksum.
int CLooperSongFile::ReadFatBody(uint32_t page, std::vector<uint8_t>& body)
{
    body.resize(RecordSize(m_params) - kMarkerSize);
    if (!m_link->flash_read(kSongFlash, InfoAddress(page) + kMarkerSize, body.data(), uint32_t(body.size())))
        return SongReadFailed;
    const uint32_t summed = uint32_t(body.size()) - 2;
    return frame::Sum16(body.data(), summed) == frame::GetLE(&body[summed], 2) ? SongOk : SongChecksumError;
}

// Takes length and block list from a FAT page body when they make a song of
// this area; otherwise shows the broken-chain box and leaves the slot empty.
bool CLooperSongFile::TakeBlockList(const std::vector<uint8_t>& body, uint64_t length)
{
    const uint64_t count = BlocksFor(m_params, length);
    if (count > m_params.max_song_blocks) {
        ShowBrokenChain((long long)count, m_params.max_song_blocks);
        return false;
    }
    m_block_list.resize(m_params.max_song_blocks);
    for (uint32_t i = 0; i < m_params.max_song_blocks; ++i)
        m_block_list[i] = uint16_t(frame::GetLE(&body[5 + 2 * i], 2));
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

#include "LooperSongList.h"

#include "LooperSongFile.h"
#include "LooperSongOld.h"
#include "Operation.h"
#include "SongResult.h"
#include "USBPort.h"

#include <QCoreApplication>
#include <QDebug>
#include <QTime>

#include <random>

CLooperSongList::CLooperSongList(CUSBPort* link) : m_link(link) { m_state.songs = &m_songs; }

CLooperSongList::~CLooperSongList() { clear_songs(); }

void CLooperSongList::clear_songs() { m_songs.clear(); }

void CLooperSongList::create_songs(uint32_t storage_format, uint32_t count)
{
    clear_songs();
    for (uint32_t i = 0; i < count; ++i) {
        if (storage_format == OldFormat)
            m_songs.push_back(std::make_unique<CLooperSongOld>());
        else if (storage_format == CurrentFormat)
            m_songs.push_back(std::make_unique<CLooperSongFile>());
    }
    for (auto& song : m_songs)
        song->BindCatalogue(&m_state);
}

int CLooperSongList::load_songs(bool responsive)
{
    // Until this load succeeds, nothing may be written or deleted.
    m_state.load_required = SongDeviceClosed;
    if (m_link->state() == Closed)
        return SongDeviceClosed;
    m_state.used.reset();
    m_state.load_required = SongDeviceUnsupported;
    const DeviceModel* model = find_model(m_link->device_info().model_id);
    if (!model || !model->song_area || model->song_slots == 0 || model->storage_format == NoSongStorage ||
        model->song_area->data_blocks > kMaxBlockNumbers) {
        clear_songs();
        return SongDeviceUnsupported;
    }
    create_songs(model->storage_format, model->song_slots);
    m_params = *model->song_area;
    for (size_t s = 0; s < m_songs.size(); ++s)
        m_songs[s]->set_song_area(int(m_params.data_blocks + s), m_params, m_link);
    // A slot whose FAT page fails its checksum loads as damaged and the
    // others still load: the catalogue is usable.
    for (auto& song : m_songs) {
        if (responsive)
            KeepResponsive();
        const int code = song->load_song_info(m_state.used);
        if (code != SongOk && code != SongChecksumError) {
            m_state.load_required = code;
            return code;
        }
    }
    m_state.load_required = 0;
    return SongOk;
}

int CLooperSongList::read_song(uint32_t slot, uint8_t* buffer, uint32_t capacity, QObject* progress)
{
    if (m_link->state() == Closed)
        return SongDeviceClosed;
    if (slot >= m_songs.size())
        return SongSlotOutOfRange;
    return m_songs[slot]->read_song_file(buffer, capacity, progress);
}

int CLooperSongList::write_song(uint32_t slot, const uint8_t* data, uint32_t length, QObject* progress)
{
    if (m_link->state() == Closed)
        return SongDeviceClosed;
    if (slot >= m_songs.size())
        return SongSlotOutOfRange;
    if (m_state.load_required)
        return m_state.load_required;
    if (BlocksFor(m_params, length) > m_params.max_song_blocks)
        return SongTooLarge;
    if (length < m_params.write_unit)
        return SongTooShort;
    // The last page is zero-padded to a whole write unit as it is written,
    // so the caller's buffer is used as it is; the block count is the same.
    BlockList blocks;
    const int found = find_free_blocks(length, blocks);
    if (found != SongOk)
        return found;
    const int code = m_songs[slot]->write_song_file(std::move(blocks), data, length, progress);
    // A cancelled write wrote only blocks the map holds free: the catalogue
    // still reads what the flash holds.
    if (code == SongOk)
        m_state.RebuildUsedMap();
    else if (code != SongCancelled)
        m_state.load_required = code;
    return code;
}

QString CLooperSongList::song_label(int slot) const
{
    const double megabytes = double(m_songs.at(size_t(slot))->get_song_size()) / 1048576.0;
    return QCoreApplication::translate("LooperSongList", "Song %1 -- (%2  MB)")
        .arg(slot + 1, 3, 10, QLatin1Char('0'))
        .arg(megabytes, 0, 'f', 2);
}

uint32_t CLooperSongList::RandomStartBlock()
{
    const QTime now = QTime::currentTime();
    std::mt19937 engine(now.isValid() ? uint32_t(now.msecsSinceStartOfDay()) : 0u);
    auto draw = [&] { return uint32_t(engine() & 0x7FFFFFFF); };
    const uint32_t r1 = draw(), r2 = draw(), r3 = draw(), r4 = draw();
    uint32_t high = r1 & 0xFFFF;
    if (r2 >= 16383)
        high |= 0x8000;
    uint32_t low = r3 & 0xFFFF;
    if (r4 >= 16383)
        low |= 0x8000;
    return (high << 16) | low;
}

int CLooperSongList::find_free_blocks(uint64_t byte_count, BlockList& blocks)
{
    const uint64_t needed = BlocksFor(m_params, byte_count);
    if (needed > m_params.max_song_blocks)
        return SongTooLarge;
    blocks.clear();
    qDebug("Searched blocks:");
    const uint32_t start = m_startBlock() % m_params.data_blocks;
    auto take = [&](uint32_t from, uint32_t to) {
        for (uint32_t b = from; b < to && blocks.size() < needed; ++b) {
            if (!m_state.used.test(b)) {
                blocks.push_back(uint16_t(b));
                qDebug("%d,", b);
            }
        }
    };
    take(start, m_params.data_blocks);
    take(0, start);
    qDebug("\n");
    return blocks.size() < needed ? SongNoSpace : SongOk;
}

#include "SongFingerprint.h"

#include "Frame.h"
#include "LooperSongFile.h"
#include "LooperSongOld.h"
#include "USBPort.h"

#include <QCryptographicHash>

#include <set>
#include <vector>

namespace {

struct StoredInfo {
    int page;
    uint32_t size;
};

StoredInfo InfoOf(const CLooperSongBase& song, const SongAreaParams& area, uint32_t storageFormat)
{
    if (storageFormat == CurrentFormat)
        return {static_cast<const CLooperSongFile&>(song).current_page(), CLooperSongFile::RecordSize(area)};
    return {static_cast<const CLooperSongOld&>(song).current_page(), CLooperSongOld::kRecordSize};
}

// Reads n bytes at address into the hash, after the number that says what they are.
bool HashRead(CUSBPort& link, uint32_t address, uint32_t n, uint32_t what, QCryptographicHash& hash)
{
    std::vector<uint8_t> bytes(n);
    uint8_t label[4];
    frame::PutLE(label, what, 4);
    if (!link.flash_read(kSongFlash, address, bytes.data(), n))
        return false;
    hash.addData(reinterpret_cast<const char*>(label), 4);
    hash.addData(reinterpret_cast<const char*>(bytes.data()), int(n));
    return true;
}

}  // namespace

QString SongFingerprint(const CLooperSongBase& song, const SongAreaParams& area, uint32_t storageFormat)
{
    CUSBPort& link = *song.link();
    const StoredInfo info = InfoOf(song, area, storageFormat);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (info.page < 0 ||
        !HashRead(link, PageAddress(area, uint32_t(song.info_block()), uint32_t(info.page)), info.size,
                  uint32_t(info.page), hash))
        return {};
    const uint32_t pages = (song.get_song_size() + area.page_payload - 1) / area.page_payload;
    for (const uint32_t k : std::set<uint32_t>{0, (pages - 1) / 2, pages - 1}) {
        const uint32_t c = k / area.pages_per_block, j = k % area.pages_per_block;
        if (!HashRead(link, PageAddress(area, song.song_block(c), PhysicalPage(area, c, j)), area.page_payload, k,
                      hash))
            return {};
    }
    return QString::fromLatin1(hash.result().toHex());
}

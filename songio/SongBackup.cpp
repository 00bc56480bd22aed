#include "SongBackup.h"

#include "AppFiles.h"
#include "LooperSongList.h"
#include "Operation.h"
#include "ProgressEvent.h"
#include "Prompt.h"
#include "SongResult.h"
#include "SongTransfer.h"
#include "USBPort.h"
#include "Wave.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStringList>

#include <set>

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(SongBackup)
};
constexpr qint64 kMaxManifest = 1 << 20;
const char* const kManifestFormat = "corvanta-backup 1";

const SongAreaParams* AreaOf(CUSBPort& link)
{
    const DeviceModel* model = find_model(link.device_info().model_id);
    if (!CanHoldSongs(link.state(), link.device_info()) || !model || !model->song_area) {
        ShowMessage(SongResultText(SongDeviceUnsupported));
        return nullptr;
    }
    return model->song_area;
}

bool Fail(const QString& text)
{
    ShowMessage(text);
    return false;
}

const QString kPartialSuffix = QStringLiteral(".partial");

// Removes the partial files of a run that failed; returns false.
bool RemovePartials(const QDir& dir, const BackupManifest& m)
{
    for (const BackupEntry& e : m.entries)
        QFile::remove(dir.filePath(e.file + kPartialSuffix));
    return false;
}

// Moves every partial file over its final name.
bool PutInPlace(const QDir& dir, const BackupManifest& m)
{
    for (const BackupEntry& e : m.entries) {
        const QString final = dir.filePath(e.file);
        if ((QFile::exists(final) && !QFile::remove(final)) || !QFile::rename(final + kPartialSuffix, final))
            return false;
    }
    return true;
}

QString BackupFileName(uint32_t slot) { return QString::asprintf("song-%03u.wav", slot); }

QByteArray ManifestJson(const BackupManifest& m)
{
    QJsonArray entries;
    for (const BackupEntry& e : m.entries)
        entries.append(QJsonObject{{"slot", int(e.slot)}, {"file", e.file}, {"bytes", double(e.bytes)},
                                 {"sha256", e.sha256}});
    const QJsonObject root{{"format", kManifestFormat}, {"model_id", m.model_id}, {"firmware", m.firmware},
                           {"slots", entries}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool ParseManifest(const QByteArray& json, BackupManifest& m)
{
    QJsonParseError error{};
    const QJsonObject root = QJsonDocument::fromJson(json, &error).object();
    if (error.error != QJsonParseError::NoError || root.value("format").toString() != kManifestFormat)
        return false;
    m.model_id = root.value("model_id").toInt(-1);
    m.firmware = root.value("firmware").toString();
    for (const QJsonValue& v : root.value("slots").toArray()) {
        const QJsonObject o = v.toObject();
        // Lengths beyond any song's read as -1 and fail the check of the file.
        const double bytes = o.value("bytes").toDouble(-1);
        m.entries.push_back({uint32_t(o.value("slot").toInt(0)), o.value("file").toString(),
                             bytes >= 0 && bytes <= double(INT32_MAX) ? qint64(bytes) : -1,
                             o.value("sha256").toString()});
    }
    return true;
}

// The audio of a backup file, refused with its message unless it is exactly
// what the entry says: SongOk, kCommandFailed, or SongCancelled when a
// cancel stopped its checksum.
int LoadEntry(const QString& folder, const BackupEntry& e, const SongAreaParams& area, CWave& wave)
{
    const QString path = QDir(folder).filePath(e.file);
    if (!wave.load(path))
        return kCommandFailed;
    QByteArray sum;
    if (!Sha256(wave.samples(), wave.data_size(), sum))
        return SongCancelled;
    if (!(wave.format() == CWave::TargetFormat(uint16_t(area.channels), area.sample_rate)) ||
        qint64(wave.data_size()) != e.bytes || sum.toHex() != e.sha256.toLatin1()) {
        ShowMessage(Text::tr("'%1' is not the song the backup recorded").arg(e.file));
        return kCommandFailed;
    }
    return SongOk;
}

// One entry of a checked backup: its file checked again, then written into
// its slot. A write stops before the song info: the slot keeps its song.
int RestoreEntry(const QString& folder, const BackupEntry& e, const SongAreaParams& area, CLooperSongList& songs,
                 QObject* progress)
{
    CWave wave;
    const int loaded = LoadEntry(folder, e, area, wave);
    if (loaded != SongOk)
        return loaded;
    if (CancelRequested())
        return SongCancelled;
    return songs.write_song(e.slot - 1, wave.samples(), uint32_t(wave.data_size()), progress);
}

uint32_t UsedSlots(CLooperSongList& songs)
{
    uint32_t used = 0;
    for (uint32_t row = 0; row < songs.size(); ++row)
        used += songs.song(row)->is_used() ? 1 : 0;
    return used;
}

// "Backup Song 003 (2 of 5)": the bar's phase for one song of several.
void PostSongPhase(QObject* progress, const QString& phase, uint32_t slot, uint32_t nth, uint32_t count)
{
    PostPhase(progress, phase.arg(slot, 3, 10, QLatin1Char('0')).arg(nth).arg(count));
}

// A cancelled backup removes its partial files; the folder's earlier
// backup, when it had one, was not touched.
bool BackupCancelled(const QDir& dir, const BackupManifest& m, bool hadBackup, bool* cancelled)
{
    if (cancelled)
        *cancelled = true;
    RemovePartials(dir, m);
    ShowMessage(hadBackup ? Text::tr("Backup cancelled; the earlier backup in '%1' is unchanged").arg(dir.path())
                          : Text::tr("Backup cancelled; no backup was written to '%1'").arg(dir.path()));
    return false;
}

QString RestoredSlotsText(const std::vector<uint32_t>& restored)
{
    if (restored.empty())
        return Text::tr("Restore cancelled: no slot was restored; every slot keeps its song");
    QStringList numbers;
    for (uint32_t slot : restored)
        numbers << QString::number(slot);
    if (restored.size() == 1)
        return Text::tr("Restore cancelled: slot %1 was restored; the others keep their songs").arg(numbers.front());
    return Text::tr("Restore cancelled: slots %1 were restored; the others keep their songs").arg(numbers.join(", "));
}
}  // namespace

bool BackupSongs(CUSBPort& link, CLooperSongList& songs, const QString& folder, QObject* progress, bool* cancelled)
{
    const SongAreaParams* area = AreaOf(link);
    if (!area)
        return false;
    const QDir dir(folder);
    if (!QDir().mkpath(folder))
        return Fail(Text::tr("Cannot write the backup folder '%1'").arg(folder));
    const bool hadBackup = dir.exists(kManifestName);
    // The songs go to partial files first, so a failed or cancelled run
    // leaves an earlier backup in the folder as it was.
    BackupManifest manifest{link.device_info().model_id, version_text(link.device_info().version), {}};
    const uint32_t count = UsedSlots(songs);
    for (uint32_t row = 0; row < songs.size(); ++row) {
        if (!songs.song(row)->is_used())
            continue;
        PostSongPhase(progress, Text::tr("Backup Song %1 (%2 of %3)"), row + 1,
                      uint32_t(manifest.entries.size()) + 1, count);
        const QString name = BackupFileName(row + 1);
        QSaveFile file;
        if (!OpenFileOrWarn(file, dir.filePath(name + kPartialSuffix)))
            return RemovePartials(dir, manifest);
        ExportedAudio audio;
        const int code = ExportSongTo(file, songs, *area, row, ExportFormat{area->sample_rate}, progress, &audio);
        if (code == SongCancelled)
            return BackupCancelled(dir, manifest, hadBackup, cancelled);
        if (code != SongOk) {
            ShowMessage(Text::tr("Song %1: %2").arg(row + 1).arg(SongResultText(code)));
            return RemovePartials(dir, manifest);
        }
        manifest.entries.push_back({row + 1, name, audio.bytes, audio.sha256.toHex()});
    }
    // The last moment to stop: putting the files in place is quick and is
    // not cut short.
    if (CancelRequested())
        return BackupCancelled(dir, manifest, hadBackup, cancelled);
    // An earlier manifest would vouch for files this run replaces: it goes first.
    if ((dir.exists(kManifestName) && !QFile::remove(dir.filePath(kManifestName))) || !PutInPlace(dir, manifest)) {
        ShowMessage(Text::tr("Cannot write the backup folder '%1'").arg(folder));
        return RemovePartials(dir, manifest);
    }
    const QByteArray json = ManifestJson(manifest);
    return WriteWholeFile(dir.filePath(kManifestName), json.constData(), json.size());
}

bool ReadBackup(const QString& folder, CUSBPort& link, CLooperSongList& songs, BackupManifest& manifest)
{
    const SongAreaParams* area = AreaOf(link);
    if (!area)
        return false;
    QFile file(QDir(folder).filePath(kManifestName));
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxManifest || !ParseManifest(file.readAll(), manifest))
        return Fail(Text::tr("'%1' holds no complete backup (its %2 is missing or unreadable)")
                        .arg(folder, kManifestName));
    if (manifest.model_id != link.device_info().model_id)
        return Fail(Text::tr("The backup is of model %1, the pedal is model %2")
                        .arg(manifest.model_id)
                        .arg(link.device_info().model_id));
    std::set<uint32_t> seen;
    for (const BackupEntry& e : manifest.entries) {
        // Each slot once, from the file named after it: no name can point outside the backup.
        if (e.slot < 1 || e.slot > songs.size() || !seen.insert(e.slot).second || e.file != BackupFileName(e.slot))
            return Fail(Text::tr("The backup's entry for slot %1 is not valid").arg(e.slot));
        CWave wave;
        if (LoadEntry(folder, e, *area, wave) != SongOk)
            return false;
    }
    return true;
}

QString RestoreQuestion(const QString& folder, const BackupManifest& manifest, CLooperSongList& songs)
{
    int overwritten = 0;
    for (const BackupEntry& e : manifest.entries)
        overwritten += songs.song(e.slot - 1)->is_used() ? 1 : 0;
    return Text::tr("Restore %1 songs from '%2' (%3 used slots are overwritten) ?")
        .arg(manifest.entries.size())
        .arg(folder)
        .arg(overwritten);
}

bool RestoreSongs(const QString& folder, const BackupManifest& manifest, CLooperSongList& songs, QObject* progress,
                  bool* cancelled)
{
    const SongAreaParams area = *find_model(manifest.model_id)->song_area;
    bool ok = true;
    std::vector<uint32_t> restored;
    const uint32_t count = uint32_t(manifest.entries.size());
    for (uint32_t i = 0; i < count; ++i) {
        const BackupEntry& e = manifest.entries[i];
        PostSongPhase(progress, Text::tr("Restore Song %1 (%2 of %3)"), e.slot, i + 1, count);
        const int code = RestoreEntry(folder, e, area, songs, progress);
        if (code == SongCancelled) {
            if (cancelled)
                *cancelled = true;
            ShowMessage(RestoredSlotsText(restored));
            ok = false;
            break;
        }
        if (code == kCommandFailed)  // its message was shown
            return false;
        if (code == SongOk) {
            restored.push_back(e.slot);
        } else {
            ShowMessage(Text::tr("Song %1: %2").arg(e.slot).arg(SongResultText(code)));
            ok = false;
        }
    }
    return ok;
}

#include "SongBackup.h"

#include "AppFiles.h"
#include "LooperSongList.h"
#include "Prompt.h"
#include "SongResult.h"
#include "SongTransfer.h"
#include "USBPort.h"
#include "Wave.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <set>

namespace {
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

// The audio of a backup file, refused unless it is exactly what the entry says.
bool LoadEntry(const QString& folder, const BackupEntry& e, const SongAreaParams& area, CWave& wave)
{
    const QString path = QDir(folder).filePath(e.file);
    if (!wave.load(path))
        return false;
    const QByteArray audio =
        QByteArray::fromRawData(reinterpret_cast<const char*>(wave.samples()), int(wave.data_size()));
    if (!(wave.format() == CWave::TargetFormat(uint16_t(area.channels), area.sample_rate)) ||
        qint64(wave.data_size()) != e.bytes ||
        QCryptographicHash::hash(audio, QCryptographicHash::Sha256).toHex() != e.sha256.toLatin1())
        return Fail(QStringLiteral("'%1' is not the song the backup recorded").arg(e.file));
    return true;
}
}  // namespace

bool BackupSongs(CUSBPort& link, CLooperSongList& songs, const QString& folder, QObject* progress)
{
    const SongAreaParams* area = AreaOf(link);
    if (!area)
        return false;
    const QDir dir(folder);
    if (!QDir().mkpath(folder))
        return Fail(QStringLiteral("Cannot write the backup folder '%1'").arg(folder));
    // The songs go to partial files first, so a failed run leaves an earlier
    // backup in the folder as it was.
    BackupManifest manifest{link.device_info().model_id, version_text(link.device_info().version), {}};
    for (uint32_t row = 0; row < songs.size(); ++row) {
        if (!songs.song(row)->is_used())
            continue;
        const QString name = BackupFileName(row + 1);
        QSaveFile file;
        if (!OpenFileOrWarn(file, dir.filePath(name + kPartialSuffix)))
            return RemovePartials(dir, manifest);
        ExportedAudio audio;
        const int code = ExportSongTo(file, songs, *area, row, ExportFormat{area->sample_rate}, progress, &audio);
        if (code != SongOk) {
            ShowMessage(QStringLiteral("Song %1: %2").arg(row + 1).arg(SongResultText(code)));
            return RemovePartials(dir, manifest);
        }
        manifest.entries.push_back({row + 1, name, audio.bytes, audio.sha256.toHex()});
    }
    // An earlier manifest would vouch for files this run replaces: it goes first.
    if ((dir.exists(kManifestName) && !QFile::remove(dir.filePath(kManifestName))) || !PutInPlace(dir, manifest)) {
        ShowMessage(QStringLiteral("Cannot write the backup folder '%1'").arg(folder));
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
        return Fail(QStringLiteral("'%1' holds no complete backup (its %2 is missing or unreadable)")
                        .arg(folder, kManifestName));
    if (manifest.model_id != link.device_info().model_id)
        return Fail(QStringLiteral("The backup is of model %1, the pedal is model %2")
                        .arg(manifest.model_id)
                        .arg(link.device_info().model_id));
    std::set<uint32_t> seen;
    for (const BackupEntry& e : manifest.entries) {
        // Each slot once, from the file named after it: no name can point outside the backup.
        if (e.slot < 1 || e.slot > songs.size() || !seen.insert(e.slot).second || e.file != BackupFileName(e.slot))
            return Fail(QStringLiteral("The backup's entry for slot %1 is not valid").arg(e.slot));
        CWave wave;
        if (!LoadEntry(folder, e, *area, wave))
            return false;
    }
    return true;
}

QString RestoreQuestion(const QString& folder, const BackupManifest& manifest, CLooperSongList& songs)
{
    int overwritten = 0;
    for (const BackupEntry& e : manifest.entries)
        overwritten += songs.song(e.slot - 1)->is_used() ? 1 : 0;
    return QStringLiteral("Restore %1 songs from '%2' (%3 used slots are overwritten) ?")
        .arg(manifest.entries.size())
        .arg(folder)
        .arg(overwritten);
}

bool RestoreSongs(const QString& folder, const BackupManifest& manifest, CLooperSongList& songs, QObject* progress)
{
    const SongAreaParams area = *find_model(manifest.model_id)->song_area;
    bool ok = true;
    for (const BackupEntry& e : manifest.entries) {
        CWave wave;
        if (!LoadEntry(folder, e, area, wave))
            return false;
        const int code = songs.write_song(e.slot - 1, wave.samples(), uint32_t(wave.data_size()), progress);
        if (code != SongOk) {
            ShowMessage(QStringLiteral("Song %1: %2").arg(e.slot).arg(SongResultText(code)));
            ok = false;
        }
    }
    songs.load_songs();
    return ok;
}

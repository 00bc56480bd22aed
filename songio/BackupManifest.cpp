#include "BackupManifest.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <cstdio>

namespace {
constexpr qint64 kMaxManifest = 1 << 20;
// Version 2 adds each slot's fingerprint; version 1 still reads.
const char* const kManifestFormat = "corvanta-backup 2";
const char* const kManifestFormatV1 = "corvanta-backup 1";

QByteArray ManifestJson(const BackupManifest& m)
{
    QJsonArray entries;
    for (const BackupEntry& e : m.entries)
        entries.append(QJsonObject{{"slot", int(e.slot)}, {"file", e.file}, {"bytes", double(e.bytes)},
                                   {"sha256", e.sha256}, {"fingerprint", e.fingerprint}});
    const QJsonObject root{{"format", kManifestFormat}, {"model_id", m.model_id}, {"firmware", m.firmware},
                           {"slots", entries}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool ParseManifest(const QByteArray& json, BackupManifest& m)
{
    QJsonParseError error{};
    const QJsonObject root = QJsonDocument::fromJson(json, &error).object();
    const QString format = root.value("format").toString();
    if (error.error != QJsonParseError::NoError || (format != kManifestFormat && format != kManifestFormatV1))
        return false;
    m.model_id = root.value("model_id").toInt(-1);
    m.firmware = root.value("firmware").toString();
    for (const QJsonValue& v : root.value("slots").toArray()) {
        const QJsonObject o = v.toObject();
        // Lengths beyond any song's read as -1 and fail the check of the file.
        const double bytes = o.value("bytes").toDouble(-1);
        m.entries.push_back({uint32_t(o.value("slot").toInt(0)), o.value("file").toString(),
                             bytes >= 0 && bytes <= double(INT32_MAX) ? qint64(bytes) : -1,
                             o.value("sha256").toString(), o.value("fingerprint").toString()});
    }
    return true;
}
}  // namespace

const BackupEntry* BackupManifest::Entry(uint32_t slot) const
{
    for (const BackupEntry& e : entries) {
        if (e.slot == slot)
            return &e;
    }
    return nullptr;
}

QString BackupFileName(uint32_t slot, bool alternate)
{
    return QString::asprintf(alternate ? "song-%03u-b.wav" : "song-%03u.wav", slot);
}

bool IsBackupFileName(const QString& name, uint32_t slot)
{
    return name == BackupFileName(slot) || name == BackupFileName(slot, true);
}

QString NextBackupFileName(const BackupManifest& earlier, uint32_t slot)
{
    const BackupEntry* e = earlier.Entry(slot);
    return BackupFileName(slot, e && e->file == BackupFileName(slot));
}

bool ReadManifest(const QDir& dir, BackupManifest& manifest)
{
    QFile file(dir.filePath(kManifestName));
    return file.open(QIODevice::ReadOnly) && file.size() <= kMaxManifest && ParseManifest(file.readAll(), manifest);
}

bool CommitManifest(const QDir& dir, const BackupManifest& manifest)
{
    const QString final = dir.filePath(kManifestName);
    const QString partial = final + QStringLiteral(".partial");
    const QByteArray json = ManifestJson(manifest);
    QSaveFile file(partial);
    if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size() || !file.commit())
        return false;
    // rename(2) replaces the old manifest in one step: the folder holds the
    // old one or the new one, never neither.
    if (std::rename(QFile::encodeName(partial).constData(), QFile::encodeName(final).constData()) == 0)
        return true;
    QFile::remove(partial);
    return false;
}

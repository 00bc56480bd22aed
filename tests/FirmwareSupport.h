#pragma once
// Firmware files for tests, made by corvanta-fwpack (not by the decoder).
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>

#include <utility>
#include <vector>

using FirmwareSections = std::vector<std::pair<QByteArray, QByteArray>>;  // layout text, image

// Packs the sections into folder/name with extra packer options; returns the path.
QString PackFirmware(const QString& folder, const QString& name, const FirmwareSections& sections,
                     const QStringList& extra = {}, const QString& model = "10002");
QString WriteTestFile(const QString& path, const QByteArray& bytes);
// The file's bytes; empty when it cannot be read.
QByteArray ReadTestFile(const QString& path);
// The file's lines but those naming a fingerprint: a backup's manifest as it
// reads for a song wherever it lies on the flash.
QByteArrayList LinesWithoutFingerprints(const QString& path);
// Bytes that differ along the image.
QByteArray FirmwareImage(int n, int seed);
// A flash-0 image of the 2,048-byte sector at 0x2000 that holds the
// information block, telling model 10002 with this version.
QByteArray InfoBlockImage(int32_t version);
// A layout text of one group, [FLASH 1] unless another number is given.
QByteArray LayoutText(int type, uint32_t start, uint32_t end, uint32_t sector, int group = 1);

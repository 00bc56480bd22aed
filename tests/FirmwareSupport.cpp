#include "FirmwareSupport.h"

#include "Frame.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <algorithm>

QString WriteTestFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}

QByteArray ReadTestFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArrayList LinesWithoutFingerprints(const QString& path)
{
    QByteArrayList lines = ReadTestFile(path).split('\n');
    lines.erase(std::remove_if(lines.begin(), lines.end(), [](const QByteArray& l) { return l.contains("fingerprint"); }),
                lines.end());
    return lines;
}

QByteArray FirmwareImage(int n, int seed)
{
    QByteArray b(n, 0);
    for (int i = 0; i < n; ++i)
        b[i] = char((i * 31 + seed) ^ (i >> 9));
    return b;
}

QByteArray LayoutText(int type, uint32_t start, uint32_t end, uint32_t sector, int group)
{
    return QString::asprintf("[FLASH %d]\nTYPE=%d\nStart Address=0x%X\nEnd Address=0x%X\nSector Size=%u\n", group, type,
                             start, end, sector)
        .toLatin1();
}

QString PackFirmware(const QString& folder, const QString& name, const FirmwareSections& sections,
                     const QStringList& extra, const QString& model)
{
    const QDir dir(folder);
    QStringList args = {"--out", dir.filePath(name), "--model", model};
    int k = 0;
    for (const auto& [layout, image] : sections) {
        args << "--section" << WriteTestFile(dir.filePath(QString("%1-%2.ini").arg(name).arg(k)), layout)
             << WriteTestFile(dir.filePath(QString("%1-%2.bin").arg(name).arg(k)), image);
        ++k;
    }
    QProcess packer;
    packer.start(QStringLiteral(FWPACK_BINARY), args + extra);
    EXPECT_TRUE(packer.waitForFinished(10000));
    EXPECT_EQ(packer.exitCode(), 0) << packer.readAllStandardError().toStdString();
    return dir.filePath(name);
}

QByteArray InfoBlockImage(int32_t version)
{
    QByteArray image(2048, char(0xFF));
    const uint32_t words[3] = {uint32_t(version), 10002, 0};
    for (int i = 0; i < 3; ++i)
        frame::PutLE(reinterpret_cast<uint8_t*>(image.data()) + 0x180 + 4 * i, words[i], 4);
    return image;
}

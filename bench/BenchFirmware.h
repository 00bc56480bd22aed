#pragma once
// Firmware files for the benchmarks, packed by corvanta-fwpack (the target
// defines FWPACK_BINARY).
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <vector>

struct BenchSection {
    uint32_t flash, start, end, sector;
    QByteArray image;
};

// One file for model 10002 holding the sections; empty when packing failed.
inline QString PackBenchFirmware(const QTemporaryDir& dir, const std::vector<BenchSection>& sections)
{
    QStringList args = {"--out", dir.filePath("bench.dat"), "--model", "10002"};
    for (const BenchSection& s : sections) {
        const QString stem = dir.filePath(QString("s%1").arg(s.start));
        QFile layout(stem + ".ini"), image(stem + ".bin");
        if (!layout.open(QIODevice::WriteOnly) || !image.open(QIODevice::WriteOnly))
            return {};
        layout.write(QString::asprintf("[FLASH 1]\nTYPE=%u\nStart Address=0x%X\nEnd Address=0x%X\nSector Size=%u\n",
                                       s.flash, s.start, s.end, s.sector)
                         .toLatin1());
        image.write(s.image);
        args << "--section" << layout.fileName() << image.fileName();
    }
    QProcess packer;
    packer.start(QStringLiteral(FWPACK_BINARY), args);
    packer.waitForFinished(60000);
    return packer.exitStatus() == QProcess::NormalExit && packer.exitCode() == 0 ? dir.filePath("bench.dat")
                                                                                : QString();
}

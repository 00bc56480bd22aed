#include "SongResult.h"

QString SongResultText(int code)
{
    switch (code) {
    case SongOk:
        return QStringLiteral("Successful !");
    case SongDeviceClosed:
        return QStringLiteral("Device not open !");
    case SongDeviceUnsupported:
        return QStringLiteral("Device not support !");
    case SongReadFailed:
        return QStringLiteral("Read data failed!");
    case SongWriteFailed:
        return QStringLiteral("Write data failed!");
    case SongChecksumError:
        return QStringLiteral("Checksum error!");
    case SongNoSpace:
    case SongSlotOutOfRange:
        return QStringLiteral("Space not enough!");
    case SongTooLarge:
        return QStringLiteral("File too large!");
    case SongEraseFailed:
        return QStringLiteral("FLASH erase failed!");
    case SongInfoEraseFailed:
        return QStringLiteral("File info erase failed!");
    case SongFlagFailed:
        return QStringLiteral("Write wav flag failed!");
    case SongCancelled:
        return QStringLiteral("Cancelled");
    default:
        return QStringLiteral("Failed !");
    }
}

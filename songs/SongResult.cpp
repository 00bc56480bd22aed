#include "SongResult.h"

#include <QCoreApplication>

QString SongResultText(int code)
{
    switch (code) {
    case SongOk:
        return QCoreApplication::translate("SongResult", "Successful !");
    case SongDeviceClosed:
        return QCoreApplication::translate("SongResult", "Device not open !");
    case SongDeviceUnsupported:
        return QCoreApplication::translate("SongResult", "Device not support !");
    case SongReadFailed:
    case SongWriteFailed:
        return QCoreApplication::translate("SongResult", "Read data failed!");
    case SongChecksumError:
        return QCoreApplication::translate("SongResult", "Checksum error!");
    case SongNoSpace:
    case SongSlotOutOfRange:
        return QCoreApplication::translate("SongResult", "Space not enough!");
    case SongTooLarge:
        return QCoreApplication::translate("SongResult", "File too large!");
    case SongEraseFailed:
        return QCoreApplication::translate("SongResult", "FLASH erase failed!");
    case SongInfoEraseFailed:
        return QCoreApplication::translate("SongResult", "File info erase failed!");
    case SongFlagFailed:
        return QCoreApplication::translate("SongResult", "Write wav flag failed!");
    case SongCancelled:
        return QCoreApplication::translate("SongResult", "Cancelled");
    default:
        return QCoreApplication::translate("SongResult", "Failed !");
    }
}

#include "BackupCommon.h"

#include "DeviceModels.h"
#include "ProgressEvent.h"
#include "Prompt.h"
#include "SongResult.h"
#include "USBPort.h"

const SongAreaParams* BackupAreaOf(CUSBPort& link)
{
    const DeviceModel* model = find_model(link.device_info().model_id);
    if (!CanHoldSongs(link.state(), link.device_info()) || !model || !model->song_area) {
        ShowMessage(SongResultText(SongDeviceUnsupported));
        return nullptr;
    }
    return model->song_area;
}

bool FailWith(const QString& text)
{
    ShowMessage(text);
    return false;
}

void PostSongPhase(QObject* progress, const QString& phase, uint32_t slot, uint32_t nth, uint32_t count)
{
    PostPhase(progress, phase.arg(SlotNumber(slot)).arg(nth).arg(count));
}

QString SlotNumber(uint32_t slot) { return QStringLiteral("%1").arg(slot, 3, 10, QLatin1Char('0')); }

uint32_t StorageFormatOf(int32_t model_id) { return find_model(model_id)->storage_format; }

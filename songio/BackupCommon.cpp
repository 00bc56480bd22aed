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

void PostSongPhase(QObject* progress, const char* verb, uint32_t slot, uint32_t nth, uint32_t count)
{
    PostPhase(progress, QString::asprintf("%s Song %03u (%u of %u)", verb, slot, nth, count));
}


uint32_t StorageFormatOf(int32_t model_id) { return find_model(model_id)->storage_format; }

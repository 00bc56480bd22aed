#include "DeviceModels.h"

#include <QCoreApplication>

const SongAreaParams kSongAreaA = {0, 1970, 160, 0x40000, 4096, 64, 4032, 46875, 1, 24, 192};
const SongAreaParams kSongAreaB = {0, 1980, 650, 0x20000, 2048, 64, 2046, 46875, 1, 24, 186};
const SongAreaParams kSongAreaC = {0, 1980, 650, 0x40000, 4096, 64, 4092, 46875, 2, 24, 372};

const DeviceModel kModels[kModelCount] = {
    {-1, QT_TRANSLATE_NOOP("DeviceModels", "Unknown Device"), 0, NoSongStorage, nullptr, 0},
    {10001, "RK-20", 0, NoSongStorage, nullptr, 1},
    {10002, "KORVEL", 30, CurrentFormat, &kSongAreaA, 0},
    {10003, "PIXTRA", 1, OldFormat, &kSongAreaB, 0},
    {10004, "SONDRAL", 1, OldFormat, &kSongAreaB, 0},
    {10005, "MIKRAVE", 1, OldFormat, &kSongAreaB, 0},
    {10006, "DUOVARN", 1, OldFormat, &kSongAreaC, 0},
    {10007, "RK-20", 0, NoSongStorage, nullptr, 1},
    {10008, "RK-20", 0, NoSongStorage, nullptr, 1},
};

const char* const kProgramTitle = "Corvanta V1.7";

const DeviceModel* find_model(int32_t model_id)
{
    for (const DeviceModel& model : kModels) {
        if (model.id == model_id)
            return &model;
    }
    return nullptr;
}

QString version_text(int32_t version)
{
    const uint32_t v = uint32_t(version);
    return QString::asprintf("%d.%d.%d", int((v >> 16) & 0xFF), int((v >> 8) & 0xFF), int(v & 0xFF));
}

bool CanHoldSongs(LinkState state, const DeviceInfo& info)
{
    const DeviceModel* model = find_model(info.model_id);
    return state == UpdateMode && model && model->id != -1 && model->song_slots != 0;
}

QString ConnectionStatusText(LinkState state, const DeviceInfo& info)
{
    const QString program = QString::fromLatin1(kProgramTitle);
    const auto text = [](const char* source) { return QCoreApplication::translate("DeviceModels", source); };
    if (state == Closed)
        return text(QT_TRANSLATE_NOOP("DeviceModels", "%1 - (No device connected !)")).arg(program);
    if (state != UpdateMode)
        return text(QT_TRANSLATE_NOOP("DeviceModels", "%1 - (Please enter update mode !)")).arg(program);
    const DeviceModel* model = find_model(info.model_id);
    if (!model)
        return text(QT_TRANSLATE_NOOP("DeviceModels", "%1 - (Unknown device connected !)")).arg(program);
    return text(QT_TRANSLATE_NOOP("DeviceModels", "%1 - (Connected - %2, Ver=V%3)"))
        .arg(program, text(model->name), version_text(info.version));
}

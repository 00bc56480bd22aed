#include "FirmwareVersion.h"

#include "DeviceModels.h"
#include "FirmwareFile.h"
#include "FlashLayout.h"
#include "Frame.h"
#include "USBPort.h"

#include <QCoreApplication>

namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(FirmwareVersion)
};

// The version word of the information block, when the section's image covers it.
std::optional<uint32_t> InfoBlockVersion(CFirmwareFile& file, uint32_t index)
{
    uint32_t length = 0;
    const uint8_t* text = file.ReadSectionLayout(index, length);
    CFlashLayout layout;
    if (!text || !layout.LoadText(text, length) || layout.sectors.empty() || layout.sectors[0].flash_no != 0)
        return std::nullopt;
    const uint64_t start = layout.sectors[0].address;
    const uint64_t at = CUSBPort::kInfoBlockAddress;
    if (at < start || at + 4 > start + layout.total_size)
        return std::nullopt;
    const uint8_t* image = file.ReadSectionData(index, length);
    if (!image || at + 4 > start + length)
        return std::nullopt;
    return frame::GetLE(image + (at - start), 4);
}
}  // namespace

OfferedFirmware ReadOfferedFirmware(const QString& path)
{
    OfferedFirmware offered;
    CFirmwareFile file;
    file.file_path = path;
    offered.readable = file.Load(path);
    offered.error_text = file.error_text;
    for (uint32_t i = 0; offered.readable && !offered.version && i < file.section_count; ++i)
        offered.version = InfoBlockVersion(file, i);
    return offered;
}

QString ModelName(int32_t model_id)
{
    const DeviceModel* model = find_model(model_id);
    return model ? QString::fromLatin1(model->name) : Text::tr("pedal of model %1").arg(model_id);
}

QString ComparedWithInstalled(uint32_t offered, int32_t installed)
{
    if (installed == -1)
        return Text::tr("the pedal's own version is not known");
    if (offered > uint32_t(installed))
        return Text::tr("newer than the pedal's");
    return offered == uint32_t(installed) ? Text::tr("the same as the pedal's") : Text::tr("older than the pedal's");
}

QString UpdateQuestion(int32_t model_id, int32_t installed, std::optional<uint32_t> offered)
{
    const QString model = ModelName(model_id);
    const QString plugged =
        Text::tr("The pedal's firmware is erased and written anew: keep the pedal plugged in until the result is shown.");
    if (!offered)
        return Text::tr("Update the %1 (firmware %2) from a file that does not name its version ?\n%3")
            .arg(model, version_text(installed), plugged);
    return Text::tr("Update the %1 from firmware %2 to %3 (%4) ?\n%5")
        .arg(model, version_text(installed), version_text(int32_t(*offered)),
             ComparedWithInstalled(*offered, installed), plugged);
}

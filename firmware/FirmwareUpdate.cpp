#include "FirmwareUpdate.h"

#include "Prompt.h"
#include "USBPort.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>

#include <algorithm>

CFirmwareUpdate::CFirmwareUpdate(CUSBPort& port, CFirmwareFile& file, QObject* receiver,
                                 std::function<void(int)> setBar)
    : m_port(port), m_file(file), m_receiver(receiver), m_setBar(std::move(setBar))
{
}

bool CFirmwareUpdate::UpdateFromFile(const QString& path, bool shiftHeld)
{
    m_file.section_count = 0;
    m_file.sections.clear();
    m_file.file_path = path;
    // Noted before the file is read; QFileInfo reads lazily, so they are taken now.
    const QFileInfo loaded(path);
    m_loaded = {path, loaded.size(), loaded.lastModified()};
    if (!m_file.Load(path)) {
        ShowMessage(m_file.error_text);
        return false;
    }
    m_file.error_text.clear();
    // The model question is a nested event loop: the file is checked after it too.
    if (!ModelAccepted(shiftHeld) || !FileUnchanged())
        return false;
    std::vector<Section> order;
    if (!BuildSectionOrder(order) || !FileUnchanged())
        return false;
    for (const Section& section : order) {
        if (!EraseSection(section))
            return false;
    }
    // Back to front, and flash 1 before flash 0: the boot program's flash comes last.
    std::vector<const Section*> writes;
    for (const Section& section : order)
        writes.push_back(&section);
    std::stable_sort(writes.begin(), writes.end(), [](const Section* a, const Section* b) {
        if ((a->flash() == 1) != (b->flash() == 1))
            return a->flash() == 1;
        return a->start() > b->start();
    });
    for (const Section* section : writes) {
        if (!WriteSection(*section))
            return false;
    }
    return true;
}

// What was validated is what gets written: a file that changed since it was
// loaded is refused.
bool CFirmwareUpdate::FileUnchanged()
{
    const QFileInfo now(m_loaded.path);
    if (now.exists() && now.size() == m_loaded.size && now.lastModified() == m_loaded.modified)
        return true;
    ShowMessage("The firmware file changed during the update");
    return false;
}

// A null read of the file: it changed, or its section does not decode.
bool CFirmwareUpdate::ReadFailed()
{
    if (FileUnchanged())
        ShowMessage(m_file.error_text.isEmpty() ? QStringLiteral("Read firmware file failed") : m_file.error_text);
    return false;
}

bool CFirmwareUpdate::ModelAccepted(bool shiftHeld)
{
    const int32_t model = m_port.device_info().model_id;
    if (model == -1 || m_file.TargetModel() == model)
        return true;
    if (!shiftHeld) {
        ShowMessage("File not match the connected device,please confirm");
        return false;
    }
    return Prompt().AskYesNo(QStringLiteral("Update"),
                             QStringLiteral("The file is for model %1, the pedal is model %2. Update anyway ?")
                                 .arg(m_file.TargetModel())
                                 .arg(model));
}

// Reads, parses and checks every section before anything is erased.
bool CFirmwareUpdate::BuildSectionOrder(std::vector<Section>& order)
{
    if (m_file.section_count == 0) {
        ShowMessage("The firmware file holds no sections");
        return false;
    }
    for (uint32_t i = 0; i < m_file.section_count; ++i) {
        Section section{i, {}, {}};
        if (!ReadSection(i, section))
            return false;
        order.push_back(std::move(section));
    }
    std::stable_sort(order.begin(), order.end(), [](const Section& a, const Section& b) { return a.start() < b.start(); });
    return NoOverlaps(order);
}

bool CFirmwareUpdate::ReadSection(uint32_t index, Section& section)
{
    uint32_t length = 0;
    const uint8_t* text = m_file.ReadSectionLayout(index, length);
    if (!text)
        return ReadFailed();
    if (!section.layout.LoadText(text, length)) {
        ShowMessage(section.layout.error_text);
        return false;
    }
    if (section.layout.sectors.empty()) {
        ShowMessage("Section %u has no flash range", index + 1);
        return false;
    }
    // The pedal has flash 0 and the song flash 1; a larger number would wrap in the frame's byte.
    if (section.flash() > 1) {
        ShowMessage("Section %u targets flash %u; the pedal has flashes 0 and 1", index + 1, section.flash());
        return false;
    }
    // The layout's space bounds what the image may ask for before anything
    // is allocated for it.
    if (m_file.DeclaredLength(index) > section.layout.total_size) {
        ShowMessage("Space not enough !");
        return false;
    }
    const uint8_t* data = m_file.ReadSectionData(index, length);
    if (!data)
        return ReadFailed();
    if (length > section.layout.total_size) {
        ShowMessage("Space not enough !");
        return false;
    }
    // An empty image would erase a sector and write nothing.
    if (length == 0) {
        ShowMessage("Section %u holds an empty image", index + 1);
        return false;
    }
    section.image.assign(data, data + length);
    return true;
}

bool CFirmwareUpdate::NoOverlaps(const std::vector<Section>& order)
{
    for (size_t a = 0; a < order.size(); ++a) {
        for (size_t b = a + 1; b < order.size(); ++b) {
            const Section& x = order[a];
            const Section& y = order[b];
            const uint64_t xEnd = uint64_t(x.start()) + x.layout.total_size;
            const uint64_t yEnd = uint64_t(y.start()) + y.layout.total_size;
            if (x.flash() == y.flash() && x.start() < yEnd && y.start() < xEnd) {
                ShowMessage("Sections %u and %u overlap on flash %u", x.index + 1, y.index + 1, x.flash());
                return false;
            }
        }
    }
    return true;
}

bool CFirmwareUpdate::EraseSection(const Section& section)
{
    const std::vector<FlashSector>& sectors = section.layout.sectors;
    const uint64_t length = section.image.size();
    size_t n = 0;
    for (uint64_t covered = 0; n < sectors.size() && (n == 0 || covered < length); ++n)
        covered += sectors[n].size;
    for (size_t k = 0; k < n; ++k) {
        if (!m_port.flash_erase(uint8_t(sectors[k].flash_no), sectors[k].address)) {
            ShowMessage("Erase sector failed,address=0x%.8X", sectors[k].address);
            return false;
        }
        m_setBar(int(80 * (k + 1) / n));
        QCoreApplication::processEvents();
    }
    return true;
}

bool CFirmwareUpdate::WriteSection(const Section& section)
{
    const FlashSector& first = section.layout.sectors.front();
    const int status =
        WriteFlashRange(first.flash_no, first.address, first.size, section.image.data(), uint32_t(section.image.size()));
    m_setBar(100);
    switch (status) {
    case 1:
        return true;
    case 0:
        ShowMessage("Write data failed !");
        return false;
    case 3:
        ShowMessage("Verify data failed");
        return false;
    case 4:
        ShowMessage("Write data timeout !");
        return false;
    default:
        return false;
    }
}

int CFirmwareUpdate::WriteFlashRange(uint32_t flash_no, uint32_t address, uint32_t s, const uint8_t* data,
                                     uint32_t length)
{
    if (flash_no != 1 && length > s) {
        const int status = m_port.flash_write_verify(uint8_t(flash_no), address + s, data + s, length - s, m_receiver);
        if (status != 1)
            return status;
        return m_port.flash_write_verify(uint8_t(flash_no), address, data, s, m_receiver);
    }
    return m_port.flash_write_verify(uint8_t(flash_no), address, data, length, m_receiver);
}

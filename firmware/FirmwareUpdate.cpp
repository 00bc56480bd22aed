#include "FirmwareUpdate.h"

#include "Operation.h"
#include "Prompt.h"
#include "USBPort.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <optional>

namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(FirmwareUpdate)
};

// Eight hexadecimal digits: an address on the pedal's flash.
QString Hex8(uint32_t value) { return QString::asprintf("%08X", value); }
}  // namespace

CFirmwareUpdate::CFirmwareUpdate(CUSBPort& port, CFirmwareFile& file, UpdateView view)
    : m_port(port), m_file(file), m_view(std::move(view))
{
}

UpdateResult CFirmwareUpdate::UpdateFromFile(const QString& path, bool shiftHeld)
{
    m_file.section_count = 0;
    m_file.sections.clear();
    m_file.file_path = path;
    // Noted before the file is read; QFileInfo reads lazily, so they are taken now.
    const QFileInfo loaded(path);
    m_loaded = {path, loaded.size(), loaded.lastModified()};
    if (!m_file.Load(path)) {
        ShowMessage(m_file.error_text);
        return UpdateResult::Failed;
    }
    m_file.error_text.clear();
    // The questions are nested event loops: the file is checked after them too.
    if (!ModelAccepted(shiftHeld) || !FileUnchanged())
        return UpdateResult::Failed;
    std::vector<Section> order;
    if (!BuildSectionOrder(order) || !FileUnchanged())
        return UpdateResult::Failed;
    if (CancelRequested())
        return UpdateResult::Cancelled;
    if (!SongFlashAccepted(order))
        return CancelRequested() ? UpdateResult::Cancelled : UpdateResult::Declined;
    if (!FileUnchanged())
        return UpdateResult::Failed;
    if (CancelRequested())
        return UpdateResult::Cancelled;
    std::vector<Run> runs = WriteRuns(order);
    const CUpdatePlan plan = MakePlan(order, runs);
    CUpdateProgress progress(plan, m_view);
    return FlashAll(order, runs, progress) ? UpdateResult::Ok : UpdateResult::Failed;
}

// From the first erase to the end of the write the update cannot be
// stopped; the link's waits keep the event loop running meanwhile.
bool CFirmwareUpdate::FlashAll(const std::vector<Section>& order, const std::vector<Run>& runs,
                               CUpdateProgress& progress)
{
    std::optional<CUncancellable> stretch(std::in_place);
    if (m_view.stretchChanged)
        m_view.stretchChanged();
    m_port.set_responsive_waits(true);
    bool ok = true;
    for (auto section = order.begin(); ok && section != order.end(); ++section)
        ok = EraseSection(*section, progress);
    for (auto run = runs.begin(); ok && run != runs.end(); ++run)
        ok = WriteRun(*run, progress);
    m_port.set_responsive_waits(false);
    // A cancel asked for in the last step is refused too; none is left behind.
    progress.RefuseCancel();
    stretch.reset();
    if (m_view.stretchChanged)
        m_view.stretchChanged();
    return ok;
}

// Back to front, and flash 1 before flash 0: the boot program's flash comes
// last, and a flash-0 image's first sector after the rest of it.
std::vector<CFirmwareUpdate::Run> CFirmwareUpdate::WriteRuns(const std::vector<Section>& order)
{
    std::vector<const Section*> writes;
    for (const Section& section : order)
        writes.push_back(&section);
    std::stable_sort(writes.begin(), writes.end(), [](const Section* a, const Section* b) {
        if ((a->flash() == 1) != (b->flash() == 1))
            return a->flash() == 1;
        return a->start() > b->start();
    });
    std::vector<Run> runs;
    for (const Section* section : writes) {
        const uint32_t length = uint32_t(section->image.size());
        const uint32_t first = section->layout.sectors.front().size;
        if (section->flash() != 1 && length > first) {
            runs.push_back({section, first, length - first});
            runs.push_back({section, 0, first});
        } else {
            runs.push_back({section, 0, length});
        }
    }
    return runs;
}

CUpdatePlan CFirmwareUpdate::MakePlan(std::vector<Section>& order, std::vector<Run>& runs) const
{
    CUpdatePlan plan(m_file.section_count);
    for (Section& section : order)
        section.eraseStep = plan.AddErase(section.index + 1, section.flash(), section.EraseCount());
    for (Run& run : runs) {
        run.writeStep = plan.AddWrite(run.section->index + 1, run.section->flash(), run.length);
        run.verifyStep = plan.AddVerify(run.section->index + 1, run.length);
    }
    return plan;
}

// What was validated is what gets written: a file that changed since it was
// loaded is refused.
bool CFirmwareUpdate::FileUnchanged()
{
    const QFileInfo now(m_loaded.path);
    if (now.exists() && now.size() == m_loaded.size && now.lastModified() == m_loaded.modified)
        return true;
    ShowMessage(Text::tr("The firmware file changed during the update"));
    return false;
}

// A null read of the file: it changed, or its section does not decode.
bool CFirmwareUpdate::ReadFailed()
{
    if (FileUnchanged())
        ShowMessage(m_file.error_text.isEmpty() ? Text::tr("Read firmware file failed") : m_file.error_text);
    return false;
}

bool CFirmwareUpdate::ModelAccepted(bool shiftHeld)
{
    const int32_t model = m_port.device_info().model_id;
    if (model == -1 || m_file.TargetModel() == model)
        return true;
    if (!shiftHeld) {
        ShowMessage(Text::tr("File not match the connected device,please confirm"));
        return false;
    }
    return Prompt().AskYesNo(Text::tr("Update"),
                             Text::tr("The file is for model %1, the pedal is model %2. Update anyway ?")
                                 .arg(m_file.TargetModel())
                                 .arg(model));
}

// Reads, parses and checks every section before anything is erased.
bool CFirmwareUpdate::BuildSectionOrder(std::vector<Section>& order)
{
    if (m_file.section_count == 0) {
        ShowMessage(Text::tr("The firmware file holds no sections"));
        return false;
    }
    for (uint32_t i = 0; i < m_file.section_count; ++i) {
        Section section{i, {}, {}};
        if (!ReadSection(i, section))
            return false;
        order.push_back(std::move(section));
        KeepResponsive();
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
        ShowMessage(Text::tr("Section %1 has no flash range").arg(index + 1));
        return false;
    }
    // The pedal has flash 0 and the song flash 1; a larger number would wrap in the frame's byte.
    if (section.flash() > 1) {
        ShowMessage(
            Text::tr("Section %1 targets flash %2; the pedal has flashes 0 and 1").arg(index + 1).arg(section.flash()));
        return false;
    }
    // The layout's space bounds what the image may ask for before anything
    // is allocated for it.
    if (m_file.DeclaredLength(index) > section.layout.total_size) {
        ShowMessage(Text::tr("Space not enough !"));
        return false;
    }
    const uint8_t* data = m_file.ReadSectionData(index, length);
    if (!data)
        return ReadFailed();
    if (length > section.layout.total_size) {
        ShowMessage(Text::tr("Space not enough !"));
        return false;
    }
    // An empty image would erase a sector and write nothing.
    if (length == 0) {
        ShowMessage(Text::tr("Section %1 holds an empty image").arg(index + 1));
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
                ShowMessage(Text::tr("Sections %1 and %2 overlap on flash %3")
                                .arg(x.index + 1)
                                .arg(y.index + 1)
                                .arg(x.flash()));
                return false;
            }
        }
    }
    return true;
}

// A section that writes to the song flash is named before anything is
// erased: recorded songs may lie where it goes.
bool CFirmwareUpdate::SongFlashAccepted(const std::vector<Section>& order)
{
    QStringList named;
    for (const Section& section : order) {
        if (section.flash() == 1)
            named << Text::tr("section %1 of %2 (0x%3 to 0x%4)")
                         .arg(section.index + 1)
                         .arg(m_file.section_count)
                         .arg(Hex8(section.start()), Hex8(uint32_t(section.start() + section.layout.total_size - 1)));
    }
    if (named.isEmpty())
        return true;
    return Prompt().AskYesNo(Text::tr("Update"),
                             Text::tr("This firmware writes to the song flash: %1. Recorded songs there may be "
                                      "overwritten. Go on with the update ?")
                                 .arg(named.join(QStringLiteral(", "))));
}

// The sectors that hold the image; a length of 0 still counts the first.
uint32_t CFirmwareUpdate::Section::EraseCount() const
{
    const uint64_t length = image.size();
    uint32_t n = 0;
    for (uint64_t covered = 0; n < layout.sectors.size() && (n == 0 || covered < length); ++n)
        covered += layout.sectors[n].size;
    return n;
}

bool CFirmwareUpdate::EraseSection(const Section& section, CUpdateProgress& progress)
{
    const std::vector<FlashSector>& sectors = section.layout.sectors;
    const uint32_t n = section.EraseCount();
    progress.Begin(section.eraseStep);
    for (uint32_t k = 0; k < n; ++k) {
        if (!m_port.flash_erase(uint8_t(sectors[k].flash_no), sectors[k].address))
            return Stopped(progress, Text::tr("Erase sector failed,address=0x%1").arg(Hex8(sectors[k].address)),
                           sectors[k].address);
        progress.Report(k + 1, n);
        KeepResponsive();
    }
    return true;
}

bool CFirmwareUpdate::WriteRun(const Run& run, CUpdateProgress& progress)
{
    const uint8_t flash_no = uint8_t(run.section->flash());
    const uint8_t* data = run.section->image.data() + run.offset;
    progress.Begin(run.writeStep, run.length);
    if (!m_port.flash_write(flash_no, run.address(), data, run.length, &progress))
        return Stopped(progress, Text::tr("Write data failed !"), run.address() + uint32_t(progress.WrittenBytes()));
    progress.Begin(run.verifyStep);
    const int status = m_port.flash_verify(flash_no, run.address(), data, run.length);
    if (status == 1) {
        progress.Report(1, 1);
        return true;
    }
    return Stopped(progress, status == 3 ? Text::tr("Verify data failed") : Text::tr("Write data timeout !"),
                   run.address());
}

// One box: the failure, where the update stopped and what to do now.
bool CFirmwareUpdate::Stopped(const CUpdateProgress& progress, const QString& failure, uint32_t address)
{
    ShowMessage(Text::tr("%1\n\n%2 failed at 0x%3. The pedal may not start normally now: keep it connected "
                         "and run the same update again. If it no longer answers, its manual describes how to "
                         "enter update mode.")
                    .arg(failure, progress.StepFailedText(), Hex8(address)));
    return false;
}

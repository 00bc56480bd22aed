#pragma once
// The firmware update procedure: everything in the file is validated first
// (layouts, images, overlaps), a section for the song flash is named in a
// question, then the sections are erased in ascending order of their first
// sector and written back to front, flash 1 before flash 0, each flash-0
// image's first sector last. Until the first erase a cancel stops the
// update; from there to the end of the write it is refused.
#include "FirmwareFile.h"
#include "FlashLayout.h"
#include "UpdateProgress.h"

#include <QDateTime>
#include <QString>

#include <vector>

class CUSBPort;

enum class UpdateResult {
    Ok,
    Failed,     // its message was shown
    Cancelled,  // a cancel asked for before the first erase; nothing erased
    Declined,   // the song flash question was answered No; nothing erased
};

class CFirmwareUpdate {
public:
    CFirmwareUpdate(CUSBPort& port, CFirmwareFile& file, UpdateView view = {});

    // shiftHeld lets a file for another model through after a question.
    UpdateResult UpdateFromFile(const QString& path, bool shiftHeld);

private:
    struct Section {
        uint32_t index;
        CFlashLayout layout;
        std::vector<uint8_t> image;
        size_t eraseStep = 0;
        uint32_t flash() const { return layout.sectors.front().flash_no; }
        uint32_t start() const { return layout.sectors.front().address; }
        uint32_t EraseCount() const;
    };
    // One write and its verify: a whole image, or a flash-0 image's rest and then its first sector.
    struct Run {
        const Section* section;
        uint32_t offset;
        uint32_t length;
        size_t writeStep = 0;
        size_t verifyStep = 0;
        uint32_t address() const { return section->start() + offset; }
    };

    bool FileUnchanged();
    bool ReadFailed();
    bool ModelAccepted(bool shiftHeld);
    bool BuildSectionOrder(std::vector<Section>& order);
    bool ReadSection(uint32_t index, Section& section);
    bool NoOverlaps(const std::vector<Section>& order);
    bool SongFlashAccepted(const std::vector<Section>& order);
    static std::vector<Run> WriteRuns(const std::vector<Section>& order);
    CUpdatePlan MakePlan(std::vector<Section>& order, std::vector<Run>& runs) const;
    bool FlashAll(const std::vector<Section>& order, const std::vector<Run>& runs, CUpdateProgress& progress);
    bool EraseSection(const Section& section, CUpdateProgress& progress);
    bool WriteRun(const Run& run, CUpdateProgress& progress);
    bool Stopped(const CUpdateProgress& progress, const QString& failure, uint32_t address);

    CUSBPort& m_port;
    CFirmwareFile& m_file;
    UpdateView m_view;
    struct Stamp {
        QString path;
        qint64 size = 0;
        QDateTime modified;
    } m_loaded;
};

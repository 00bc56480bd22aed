#pragma once
// The firmware update procedure: everything in the file is validated first
// (layouts, images, overlaps), then the sections are erased in ascending
// order of their first sector and written back to front, flash 1 before
// flash 0, each flash-0 image's first sector last.
#include "FirmwareFile.h"
#include "FlashLayout.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <vector>

class CUSBPort;
class QObject;

class CFirmwareUpdate {
public:
    // setBar shows the erase progress (0-80, 100 after a section's write);
    // the write chunks post progress events to receiver.
    CFirmwareUpdate(CUSBPort& port, CFirmwareFile& file, QObject* receiver, std::function<void(int)> setBar);

    // shiftHeld lets a file for another model through after a question.
    bool UpdateFromFile(const QString& path, bool shiftHeld);

private:
    struct Section {
        uint32_t index;
        CFlashLayout layout;
        std::vector<uint8_t> image;
        uint32_t flash() const { return layout.sectors.front().flash_no; }
        uint32_t start() const { return layout.sectors.front().address; }
    };

    bool FileUnchanged();
    bool ReadFailed();
    bool ModelAccepted(bool shiftHeld);
    bool BuildSectionOrder(std::vector<Section>& order);
    bool ReadSection(uint32_t index, Section& section);
    bool NoOverlaps(const std::vector<Section>& order);
    bool EraseSection(const Section& section);
    bool WriteSection(const Section& section);
    int WriteFlashRange(uint32_t flash_no, uint32_t address, uint32_t s, const uint8_t* data, uint32_t length);

    CUSBPort& m_port;
    CFirmwareFile& m_file;
    QObject* m_receiver;
    std::function<void(int)> m_setBar;
    struct Stamp {
        QString path;
        qint64 size = 0;
        QDateTime modified;
    } m_loaded;
};

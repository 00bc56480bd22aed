#pragma once
// The flash layout text of a firmware section: INI groups "FLASH 1",
// "FLASH 2", ... with TYPE, "Start Address", "End Address" and "Sector
// Size", expanded into the erase sectors they describe.
#include <QString>

#include <cstdint>
#include <vector>

struct FlashSector {
    uint32_t flash_no;
    uint32_t address;
    uint32_t size;
};

class CFlashLayout {
public:
    static constexpr uint32_t kMaxSectors = 1u << 20;

    // Reads the INI file; on false error_text says why (empty when the file is missing).
    bool Load(const QString& path);
    // The same for a layout text, parsed from a unique temporary file of its
    // own (never the settings file), removed afterwards.
    bool LoadText(const uint8_t* text, uint32_t length);

    // "0x..." in any case as hexadecimal, else decimal; a ";" starts a comment;
    // anything else is 0.
    static uint32_t ParseNumber(const QString& text);

    std::vector<FlashSector> sectors;
    uint32_t total_size = 0;
    QString error_text;

private:
    bool Fail(const QString& text);
};

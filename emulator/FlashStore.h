#pragma once
// Where a virtual flash keeps its bytes. Unwritten bytes read as erased (0xFF).
#include <QFile>

#include <cstdint>
#include <memory>
#include <unordered_map>

class IFlashStore {
public:
    virtual ~IFlashStore() = default;
    virtual void Read(uint64_t offset, uint8_t* out, size_t n) = 0;
    // False when the bytes could not be stored (the pedal then refuses the command).
    virtual bool Write(uint64_t offset, const uint8_t* data, size_t n) = 0;
    // Sets n bytes to 0xFF without keeping them, so erased flash costs nothing.
    virtual bool Erase(uint64_t offset, uint64_t n) = 0;
};

// In memory; a granule is allocated only when it is first written, so a
// 500 MiB song flash costs only what holds data.
class CMemoryFlashStore : public IFlashStore {
public:
    explicit CMemoryFlashStore(uint32_t granule);
    void Read(uint64_t offset, uint8_t* out, size_t n) override;
    bool Write(uint64_t offset, const uint8_t* data, size_t n) override;
    bool Erase(uint64_t offset, uint64_t n) override;

private:
    uint8_t* Granule(uint64_t index, bool create);

    const uint32_t m_granule;
    std::unordered_map<uint64_t, std::unique_ptr<uint8_t[]>> m_granules;
};

// A raw file in which byte N is the complement of flash byte N, so holes and
// anything past the end read as erased. Every write reaches the file before
// it returns, so killing the process is a faithful power cut.
class CFileFlashStore : public IFlashStore {
public:
    // Opens or creates the file; check IsOpen and ErrorString.
    explicit CFileFlashStore(const QString& path);
    bool IsOpen() const { return m_file.isOpen(); }
    QString ErrorString() const { return m_file.errorString(); }
    void Read(uint64_t offset, uint8_t* out, size_t n) override;
    bool Write(uint64_t offset, const uint8_t* data, size_t n) override;
    bool Erase(uint64_t offset, uint64_t n) override;

private:
    QFile m_file;
};

#include "FirmwareFile.h"

#include "AppFiles.h"
#include "Frame.h"

#include <QCoreApplication>
#include <QFile>

#include <zlib.h>

#include <cstring>

namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(FirmwareFile)
};

constexpr uint8_t kScramble = 0xA7;
constexpr uint64_t kZlibLargestRatio = 1032;

uint32_t Sum124(const uint8_t* bytes)
{
    uint32_t sum = 0;
    for (int i = 0; i < 124; ++i)
        sum += bytes[i];
    return sum;
}

uint32_t Field(const CFirmwareFile::Record& r, int offset) { return frame::GetLE(r.data() + offset, 4); }
}  // namespace

bool CFirmwareFile::Fail(const QString& text)
{
    error_text = text;
    return false;
}

bool CFirmwareFile::Load(const QString& path)
{
    // The section count holds only once the whole file is accepted: no
    // section read follows a failed load.
    section_count = 0;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Fail(Text::tr("Open file failed"));
    const uint64_t fileSize = uint64_t(file.size());
    header.fill(0);
    file.read(reinterpret_cast<char*>(header.data()), kHeaderSize);
    if (std::memcmp(header.data() + 112, "Data Number", 11) != 0)
        return Fail(Text::tr("File Token Error"));
    const uint32_t count = header[123];
    if (Sum124(header.data()) != frame::GetLE(header.data() + 124, 4))
        return Fail(Text::tr("File header checksum Error"));
    if (count > kMaxSections)
        return Fail(Text::tr("The file declares %1 sections; at most %2 are possible").arg(count).arg(kMaxSections));
    sections.assign(count, Record{});
    for (uint32_t i = 0; i < count; ++i)
        file.read(reinterpret_cast<char*>(sections[i].data()), kRecordSize);
    for (uint32_t i = 0; i < count; ++i) {
        if (Sum124(sections[i].data()) != Field(sections[i], 124))
            return Fail(Text::tr("Data%1l header checksum Error").arg(i + 1));
    }
    // Everything a record points at must lie inside the file.
    if (kHeaderSize + uint64_t(count) * kRecordSize > fileSize)
        return Fail(Text::tr("The section records lie beyond the end of the file"));
    for (uint32_t i = 0; i < count; ++i) {
        const Record& r = sections[i];
        const uint64_t layoutEnd = uint64_t(Field(r, 64)) + Field(r, 68);
        const uint64_t packedEnd = uint64_t(Field(r, 112)) + Field(r, 76);
        if (layoutEnd > fileSize || packedEnd > fileSize)
            return Fail(Text::tr("Section %1 lies beyond the end of the file").arg(i + 1));
        if (uint64_t(Field(r, 116)) > kZlibLargestRatio * Field(r, 76))
            return Fail(Text::tr("Section %1 declares more data than its packed block can hold").arg(i + 1));
    }
    section_count = count;
    return true;
}

long long CFirmwareFile::TargetModel() const
{
    const uint8_t* text = header.data() + 32;
    const void* end = std::memchr(text, 0, 80);
    if (!end)
        return -1;
    bool ok = false;
    const long long model = QByteArray(reinterpret_cast<const char*>(text)).toLongLong(&ok);
    return ok ? model : 0;
}

uint8_t* CFirmwareFile::Scratch(uint64_t size)
{
    if (!m_scratch || m_scratchSize < size) {
        m_scratch.reset(new uint8_t[size ? size : 1]);
        m_scratchSize = size;
    }
    return m_scratch.get();
}

bool CFirmwareFile::ReadAt(uint64_t offset, uint64_t length, uint8_t* into)
{
    QFile file;
    if (!OpenFileOrWarn(file, file_path, QIODevice::ReadOnly))
        return false;
    // A short read is a failure: the file changed since it was loaded.
    return file.seek(qint64(offset)) && file.read(reinterpret_cast<char*>(into), qint64(length)) == qint64(length);
}

const uint8_t* CFirmwareFile::ReadSectionLayout(uint32_t index, uint32_t& length)
{
    if (index >= section_count)
        return nullptr;
    length = Field(sections[index], 68);
    uint8_t* text = Scratch(length);
    return ReadAt(Field(sections[index], 64), length, text) ? text : nullptr;
}

uint32_t CFirmwareFile::DeclaredLength(uint32_t index) const
{
    return index < section_count ? Field(sections[index], 116) : 0;
}

const uint8_t* CFirmwareFile::ReadSectionData(uint32_t index, uint32_t& length)
{
    if (index >= section_count)
        return nullptr;
    const Record& r = sections[index];
    const uint64_t capacity = uint64_t(Field(r, 116)) + 100;
    uint8_t* out = Scratch(capacity);
    std::vector<uint8_t> packed(Field(r, 76));
    if (!ReadAt(Field(r, 112), packed.size(), packed.data()))
        return nullptr;
    for (uint8_t& b : packed)
        b ^= kScramble;
    uLongf produced = uLongf(capacity);
    if (uncompress(out, &produced, packed.data(), uLong(packed.size())) != Z_OK) {
        error_text = Text::tr("decode bin file failed");
        return nullptr;
    }
    length = uint32_t(produced);
    return out;
}

#include "FlashLayout.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryFile>

namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(FlashLayout)
};
}  // namespace

bool CFlashLayout::Fail(const QString& text)
{
    error_text = text;
    return false;
}

uint32_t CFlashLayout::ParseNumber(const QString& text)
{
    QString number = text;
    const int comment = number.indexOf(';');
    if (comment >= 0)
        number.truncate(comment);
    number = number.trimmed();
    bool ok = false;
    const uint32_t value = number.startsWith("0x", Qt::CaseInsensitive) ? number.mid(2).toUInt(&ok, 16)
                                                                          : number.toUInt(&ok, 10);
    return ok ? value : 0;
}

bool CFlashLayout::LoadText(const uint8_t* text, uint32_t length)
{
    QTemporaryFile file;
    if (!file.open() || file.write(reinterpret_cast<const char*>(text), length) != qint64(length) || !file.flush())
        return Fail(Text::tr("Write layout file failed"));
    return Load(file.fileName());
}

bool CFlashLayout::Load(const QString& path)
{
    if (!QFileInfo::exists(path))
        return false;
    QSettings ini(path, QSettings::IniFormat);
    sectors.clear();
    total_size = 0;
    uint64_t total = 0;
    bool typeSeen = false;
    uint32_t type = 0;
    uint32_t previousEnd = 0;
    for (int n = 1; n <= 99; ++n) {
        const QString group = QString::asprintf("FLASH %d", n);
        if (!ini.contains(group + "/TYPE"))
            break;
        const uint32_t thisType = ini.value(group + "/TYPE").toUInt();
        if (typeSeen && thisType != type)
            return Fail(Text::tr("All FLASH should be same type!"));
        type = thisType;
        typeSeen = true;
        const QString startText = ini.value(group + "/Start Address").toString();
        if (startText.isEmpty())
            return Fail(Text::tr("FLASH start address is empty"));
        const uint32_t start = ParseNumber(startText);
        if (previousEnd != 0 && start != previousEnd)
            return Fail(Text::tr("%1 address not follow the last flash").arg(group));
        const QString endText = ini.value(group + "/End Address").toString();
        if (endText.isEmpty())
            return Fail(Text::tr("FLASH end address is empty"));
        const uint32_t end = ParseNumber(endText);
        previousEnd = end;
        const uint32_t size = ParseNumber(ini.value(group + "/Sector Size").toString());
        // Checks that keep the expansion finite and the total true.
        if (end < start)
            return Fail(Text::tr("%1 end address is below its start address").arg(group));
        if (size == 0 && end > start)
            return Fail(Text::tr("%1 sector size is 0").arg(group));
        if (end > start && (uint64_t(end - start) + size - 1) / size + sectors.size() > kMaxSectors)
            return Fail(Text::tr("%1 has more than %2 sectors").arg(group).arg(kMaxSectors));
        for (uint64_t address = start; address < end; address += size)
            sectors.push_back({type, uint32_t(address), size});
        total += end - start;
        if (total > UINT32_MAX)
            return Fail(Text::tr("The flash ranges add up to more than 4 GiB"));
        total_size = uint32_t(total);
    }
    return true;
}

#include "AppFiles.h"

#include "Prompt.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(AppFiles)
};

bool FolderWritable(const QString& folder)
{
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("probe-XXXXXX")));
    return probe.open();
}

bool WarnOpenFailed(const QString& path)
{
    ShowMessage(Text::tr("Open file '%1' failed, it may be occupied by other process").arg(QFileInfo(path).fileName()));
    return false;
}
}  // namespace

QString ChooseAppDir(const QString& programFolder, const QString& userConfigFolder)
{
    if (FolderWritable(programFolder))
        return QDir(programFolder).absolutePath() + "/";
    QDir().mkpath(userConfigFolder);
    return QDir(userConfigFolder).absolutePath() + "/";
}

// One folder for every face, so the window and the command line share their
// settings wherever the program is installed.
QString UserConfigFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/corvanta");
}

QString AppDir()
{
    static const QString folder = ChooseAppDir(QCoreApplication::applicationDirPath(), UserConfigFolder());
    return folder;
}

QString FolderOf(const QString& path) { return QFileInfo(path).absolutePath() + "/"; }

bool OpenFileOrWarn(QFile& file, const QString& path, QIODevice::OpenMode mode)
{
    file.setFileName(path);
    return file.open(mode) || WarnOpenFailed(path);
}

bool OpenFileOrWarn(QSaveFile& file, const QString& path)
{
    file.setFileName(path);
    return file.open(QIODevice::WriteOnly) || WarnOpenFailed(path);
}

bool ReadFileAt(const QString& path, qint64 offset, qint64 length, char* buffer)
{
    QFile file;
    if (!OpenFileOrWarn(file, path, QIODevice::ReadOnly))
        return false;
    file.seek(offset);
    file.read(buffer, length);
    return true;
}

bool WriteWholeFile(const QString& path, const char* data, qint64 length)
{
    QSaveFile file;
    if (!OpenFileOrWarn(file, path))
        return false;
    if (file.write(data, length) == length && file.commit())
        return true;
    ShowMessage(Text::tr("Write file '%1' failed").arg(QFileInfo(path).fileName()));
    return false;
}

void RemoveIfExists(const QString& path)
{
    if (QFile::exists(path))
        QFile::remove(path);
}

QString SettingsFilePath() { return AppDir() + QStringLiteral("Config.ini"); }

QString ReadSetting(const QString& key)
{
    QSettings settings(SettingsFilePath(), QSettings::IniFormat);
    return settings.value(key).toString();
}

void WriteSetting(const QString& key, const QString& value)
{
    QSettings settings(SettingsFilePath(), QSettings::IniFormat);
    settings.setValue(key, value);
}

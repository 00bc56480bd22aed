#pragma once
// Shared file routines and the settings file of the program's faces.
#include <QFile>
#include <QSaveFile>
#include <QString>

// The folder for the settings file and temporary files, ending in "/": the
// program's folder, or the user's configuration folder when the program's
// folder is not writable (an installed program). Computed once.
QString AppDir();
// The user's configuration folder of every face: "corvanta" in the desktop's
// configuration folder (~/.config/corvanta).
QString UserConfigFolder();
// The choice behind AppDir, for a given program folder.
QString ChooseAppDir(const QString& programFolder, const QString& userConfigFolder);

// The absolute folder of path followed by "/".
QString FolderOf(const QString& path);

// Opens file at path in mode; on failure shows "Open file '%1' failed, it may
// be occupied by other process" and returns false.
bool OpenFileOrWarn(QFile& file, const QString& path, QIODevice::OpenMode mode);
// The same for a file written whole or not at all.
bool OpenFileOrWarn(QSaveFile& file, const QString& path);
bool ReadFileAt(const QString& path, qint64 offset, qint64 length, char* buffer);
// Writes the file whole or not at all; a failure is shown.
bool WriteWholeFile(const QString& path, const char* data, qint64 length);
void RemoveIfExists(const QString& path);

// "Config.ini" in AppDir(), keys such as "/Config/WavSaveDir". A missing file
// or key reads as an empty string; a failing write is not reported.
QString SettingsFilePath();
QString ReadSetting(const QString& key);
void WriteSetting(const QString& key, const QString& value);

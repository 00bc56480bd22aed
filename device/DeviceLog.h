#pragma once
// The device link's failure log "log.txt" in the working folder.
#include <QString>

// The working folder at the first call, followed by "/log.txt"; kept for the run.
const QString& LogFilePath();

// Appends "[yyyy-dd-MM hh:mm:ss.zzz]{text}" to the file; the text is cut to
// 199 characters. A file that cannot be opened is skipped silently.
void WriteLog(const QString& path, const char* format, ...) __attribute__((format(printf, 2, 3)));

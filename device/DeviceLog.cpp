#include "DeviceLog.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTextStream>

#include <cstdarg>
#include <cstdio>

const QString& LogFilePath()
{
    static const QString path = QDir::currentPath() + QStringLiteral("/log.txt");
    return path;
}

void WriteLog(const QString& path, const char* format, ...)
{
    char text[200];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);

    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("[yyyy-dd-MM hh:mm:ss.zzz]"));
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Text))
        return;
    QTextStream out(&file);
    out << stamp << '{' << QString::fromLocal8Bit(text) << '}' << '\n';
    out.flush();
}

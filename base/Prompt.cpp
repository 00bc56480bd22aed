#include "Prompt.h"

#include <QDebug>

#include <cstdarg>

namespace {

class CHeadlessPrompt : public IPrompt {
public:
    void Inform(const QString& title, const QString& text) override { qWarning("%s: %s", qPrintable(title), qPrintable(text)); }
    bool AskYesNo(const QString& title, const QString& text) override
    {
        qWarning("%s: %s (answered No)", qPrintable(title), qPrintable(text));
        return false;
    }
    QString SaveFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString OpenFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString FolderName(const QString&, const QString&) override { return {}; }
    bool ShiftHeld() override { return false; }
    bool OpenUrl(const QUrl&) override { return false; }
};

CHeadlessPrompt g_headless;
IPrompt* g_prompt = &g_headless;

}  // namespace

IPrompt& Prompt() { return *g_prompt; }

void InstallPrompt(IPrompt* prompt) { g_prompt = prompt ? prompt : &g_headless; }

void ShowMessage(const QString& text) { Prompt().Inform(QStringLiteral("Message"), text); }

void ShowMessage(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    const QString text = QString::vasprintf(format, args);
    va_end(args);
    ShowMessage(text);
}

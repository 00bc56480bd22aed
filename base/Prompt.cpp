#include "Prompt.h"

#include <QCoreApplication>
#include <QDebug>

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

void ShowMessage(const QString& text) { Prompt().Inform(QCoreApplication::translate("Prompt", "Message"), text); }

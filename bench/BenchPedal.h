#pragma once
// What the benchmarks through the virtual pedal share: a prompt that answers
// by itself, and the check at their end that the program never made the
// pedal program a song flash page a second time.
#include "Prompt.h"
#include "VirtualPedal.h"

#include <QStringList>

#include <benchmark/benchmark.h>

inline void CheckNandViolations(benchmark::State& state, const CVirtualPedal& pedal)
{
    state.counters["nand_violations"] = pedal.NandViolations();
    if (pedal.NandViolations() != 0)
        state.SkipWithError("song flash pages were programmed a second time");
}

// Keeps every box's text; questions get `answer`, the question before an
// erase Yes, file dialogs `file`.
class CBenchPrompt : public IPrompt {
public:
    CBenchPrompt() { InstallPrompt(this); }
    ~CBenchPrompt() override { InstallPrompt(nullptr); }
    void Inform(const QString&, const QString& text) override { texts << text; }
    bool AskYesNo(const QString&, const QString& text) override
    {
        texts << text;
        return answer;
    }
    bool AskBeforeErasing(const QString&, const QString&) override { return true; }
    QString SaveFileName(const QString&, const QString&, const QString&) override { return file; }
    QString OpenFileName(const QString&, const QString&, const QString&) override { return file; }
    QString FolderName(const QString&, const QString&) override { return {}; }
    bool ShiftHeld() override { return false; }
    bool OpenUrl(const QUrl&) override { return false; }

    QStringList texts;
    QString file;
    bool answer = true;
};

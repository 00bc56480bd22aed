#pragma once
// The command line's faces of the prompt and the progress bar: messages on
// standard error, questions answered by --yes or from a terminal, progress
// as one rewritten line on a terminal and as one line per percent otherwise.
#include "ProgressMeter.h"
#include "Prompt.h"

#include <QObject>

class CCliPrompt : public IPrompt {
public:
    CCliPrompt(bool assumeYes, bool anyModel);
    ~CCliPrompt() override;

    void Inform(const QString& title, const QString& text) override;
    // --yes answers Yes; a terminal is asked; otherwise the answer is No.
    bool AskYesNo(const QString& title, const QString& text) override;
    QString SaveFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString OpenFileName(const QString&, const QString&, const QString&) override { return {}; }
    // --any-model stands for the Shift key.
    bool ShiftHeld() override { return m_anyModel; }
    bool OpenUrl(const QUrl& url) override;

private:
    bool m_assumeYes;
    bool m_anyModel;
    IPrompt* m_previous;  // restored when this one goes
};

// Receives the progress events of the song and flash operations. With a
// phase named (SetPhase or a phase event) it shows the window's bar text,
// "Export Song 003 — 12.4 of 39.4 MB — 1:32 left": on a terminal as one
// rewritten line, otherwise one line per whole-percent change. Without a
// phase, a bar of # on a terminal, otherwise percentage lines.
class CCliProgress : public QObject {
public:
    // firmware: events fill 80-100 after the erase bar, as in the window.
    explicit CCliProgress(bool firmware = false);
    ~CCliProgress() override;  // ends the bar's line

    void Show(int percent);
    void SetPhase(const QString& phase, ProgressUnit unit = ProgressUnit::Bytes);

protected:
    void customEvent(QEvent* event) override;

private:
    void ShowText(int percent, const QString& text);
    void EndLine();

    bool m_firmware;
    bool m_terminal;
    int m_shown = -1;
    CProgressMeter m_meter;
    QByteArray m_line;  // the rewritten line on a terminal
};

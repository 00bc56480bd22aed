#pragma once
// The command line's faces of the prompt and the progress bar: messages on
// standard error, questions answered by --yes or from a terminal, progress
// as a bar with the window's text on a terminal and as text lines otherwise.
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
    // Folders are named on the command line.
    QString FolderName(const QString&, const QString&) override { return {}; }
    // --any-model stands for the Shift key.
    bool ShiftHeld() override { return m_anyModel; }
    bool OpenUrl(const QUrl& url) override;

private:
    bool m_assumeYes;
    bool m_anyModel;
    IPrompt* m_previous;  // restored when this one goes
};

// Receives the progress events of the song and flash operations.
class CCliProgress : public QObject {
public:
    CCliProgress();
    ~CCliProgress() override;  // ends the bar's line

    // The phase whose progress events follow, e.g. "Export Song 003"; a
    // posted phase event names the next part of the same bar. Its events
    // show the meter's text.
    void SetPhase(const QString& phase);
    // A text, e.g. "Erase section 1 of 3 — 12% — 0:41 left", stands after the bar.
    void Show(int percent, const QString& text = {});
    // Ends the terminal line of the bar drawn last, so that a message stands
    // on a line of its own; the bar is drawn anew below it.
    static void EndLine();

protected:
    void customEvent(QEvent* event) override;

private:
    bool m_terminal;
    int m_shown = -1;
    QString m_text;
    CProgressMeter m_meter;
};

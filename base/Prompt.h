#pragma once
// Everything the user sees as a box or a dialog goes through IPrompt. The
// window installs a Qt Widgets implementation, the command line one that
// answers from its flags, tests a scripted one. Without an installed prompt,
// messages go to the debug output and every question is answered "No".
#include <QString>
#include <QUrl>

class IPrompt {
public:
    virtual ~IPrompt() = default;
    // A modal information box with one OK button.
    virtual void Inform(const QString& title, const QString& text) = 0;
    // A question with the buttons Yes and No; true when the answer is Yes.
    virtual bool AskYesNo(const QString& title, const QString& text) = 0;
    // A question box (Yes and No, Yes the default) over the main window; by
    // default the same as AskYesNo.
    virtual bool AskQuestion(const QString& title, const QString& text) { return AskYesNo(title, text); }
    // File dialogs; an empty result means cancelled.
    virtual QString SaveFileName(const QString& caption, const QString& proposed, const QString& filter) = 0;
    virtual QString OpenFileName(const QString& caption, const QString& startFolder, const QString& filter) = 0;
    // A folder chooser; an empty result means cancelled.
    virtual QString FolderName(const QString& caption, const QString& startFolder) = 0;
    // The keyboard-modifier query: is Shift held?
    virtual bool ShiftHeld() = 0;
    // The desktop's open-URL service.
    virtual bool OpenUrl(const QUrl& url) = 0;
};

IPrompt& Prompt();
// Installs the prompt of this face; nullptr restores the default. Not owned.
void InstallPrompt(IPrompt* prompt);

// The one way messages reach the user: an information box titled "Message".
// The text is in the user's language already: a bare literal is refused.
void ShowMessage(const QString& text);
void ShowMessage(const char* text) = delete;

#pragma once
// The window's prompt: Qt message boxes, file dialogs, the keyboard query and
// the desktop's URL service.
#include "Prompt.h"

#include <QPointer>
#include <QWidget>

// The name a save dialog returns: a name without a suffix, saved under a
// filter other than the first (";;"-separated filters), takes that filter's
// suffix, so that choosing "FLAC Files(*.flac)" writes a ".flac" file; under
// the first filter the name stays as typed.
QString NameForChosenFilter(const QString& path, const QString& filters, const QString& chosen);

class CQtPrompt : public IPrompt {
public:
    // The parent of every box and dialog.
    void SetDialogParent(QWidget* parent) { m_parent = parent; }

    void Inform(const QString& title, const QString& text) override;
    bool AskYesNo(const QString& title, const QString& text) override;
    bool AskQuestion(const QString& title, const QString& text) override;
    bool AskBeforeErasing(const QString& title, const QString& text) override;
    int Choose(const QString& title, const QString& text, const QStringList& choices, int defaultChoice) override;
    QString SaveFileName(const QString& caption, const QString& proposed, const QString& filter) override;
    QString OpenFileName(const QString& caption, const QString& startFolder, const QString& filter) override;
    QString FolderName(const QString& caption, const QString& startFolder) override;
    bool ShiftHeld() override;
    bool OpenUrl(const QUrl& url) override;

private:
    QPointer<QWidget> m_parent;
};

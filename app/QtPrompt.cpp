#include "QtPrompt.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>

void CQtPrompt::Inform(const QString& title, const QString& text)
{
    QMessageBox::information(nullptr, title, text, QMessageBox::Ok);
}

bool CQtPrompt::AskYesNo(const QString& title, const QString& text)
{
    return QMessageBox::information(nullptr, title, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool CQtPrompt::AskQuestion(const QString& title, const QString& text)
{
    return QMessageBox::question(m_parent, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
           QMessageBox::Yes;
}

QString CQtPrompt::SaveFileName(const QString& caption, const QString& proposed, const QString& filter)
{
    return QFileDialog::getSaveFileName(m_parent, caption, proposed, filter);
}

QString CQtPrompt::OpenFileName(const QString& caption, const QString& startFolder, const QString& filter)
{
    return QFileDialog::getOpenFileName(m_parent, caption, startFolder, filter);
}

bool CQtPrompt::ShiftHeld() { return QApplication::queryKeyboardModifiers() & Qt::ShiftModifier; }

bool CQtPrompt::OpenUrl(const QUrl& url) { return QDesktopServices::openUrl(url); }

#include "QtPrompt.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
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

QString NameForChosenFilter(const QString& path, const QString& filters, const QString& chosen)
{
    const QStringList all = filters.split(QStringLiteral(";;"));
    const int at = chosen.indexOf(QStringLiteral("*."));
    if (path.isEmpty() || chosen.isEmpty() || chosen == all.first() || at < 0 || !QFileInfo(path).suffix().isEmpty())
        return path;
    const QString suffix = chosen.mid(at + 1).section(QRegularExpression(QStringLiteral("[ )]")), 0, 0);
    return path + suffix;
}

QString CQtPrompt::SaveFileName(const QString& caption, const QString& proposed, const QString& filter)
{
    QString chosen;
    const QString path = QFileDialog::getSaveFileName(m_parent, caption, proposed, filter, &chosen);
    return NameForChosenFilter(path, filter, chosen);
}

QString CQtPrompt::OpenFileName(const QString& caption, const QString& startFolder, const QString& filter)
{
    return QFileDialog::getOpenFileName(m_parent, caption, startFolder, filter);
}

QString CQtPrompt::FolderName(const QString& caption, const QString& startFolder)
{
    return QFileDialog::getExistingDirectory(m_parent, caption, startFolder);
}

bool CQtPrompt::ShiftHeld() { return QApplication::queryKeyboardModifiers() & Qt::ShiftModifier; }

bool CQtPrompt::OpenUrl(const QUrl& url) { return QDesktopServices::openUrl(url); }

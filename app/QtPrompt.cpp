#include "QtPrompt.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QMessageBox>
#include <QPushButton>

// Every box is centred on the window.
void CQtPrompt::Inform(const QString& title, const QString& text)
{
    QMessageBox::information(m_parent, title, text, QMessageBox::Ok);
}

bool CQtPrompt::AskYesNo(const QString& title, const QString& text)
{
    return QMessageBox::information(m_parent, title, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool CQtPrompt::AskQuestion(const QString& title, const QString& text)
{
    return QMessageBox::question(m_parent, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
           QMessageBox::Yes;
}

bool CQtPrompt::AskBeforeErasing(const QString& title, const QString& text)
{
    return QMessageBox::warning(m_parent, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
}

int CQtPrompt::Choose(const QString& title, const QString& text, const QStringList& choices, int defaultChoice)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Cancel, m_parent);
    QList<QAbstractButton*> buttons;
    for (const QString& choice : choices)
        buttons << box.addButton(choice, QMessageBox::AcceptRole);
    if (defaultChoice >= 0 && defaultChoice < buttons.size())
        box.setDefaultButton(static_cast<QPushButton*>(buttons[defaultChoice]));
    box.exec();
    return buttons.indexOf(box.clickedButton());
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
    // A filter's label without its patterns: a long list is wider than the screen.
    return QFileDialog::getOpenFileName(m_parent, caption, startFolder, filter, nullptr,
                                        QFileDialog::HideNameFilterDetails);
}

QString CQtPrompt::FolderName(const QString& caption, const QString& startFolder)
{
    return QFileDialog::getExistingDirectory(m_parent, caption, startFolder);
}

bool CQtPrompt::ShiftHeld() { return QApplication::queryKeyboardModifiers() & Qt::ShiftModifier; }

bool CQtPrompt::OpenUrl(const QUrl& url) { return QDesktopServices::openUrl(url); }

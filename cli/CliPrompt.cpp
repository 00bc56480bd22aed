#include "CliPrompt.h"

#include "ProgressEvent.h"
#include "Terminal.h"

#include <QTextStream>

#include <cstdio>

CCliPrompt::CCliPrompt(bool assumeYes, bool anyModel)
    : m_assumeYes(assumeYes), m_anyModel(anyModel), m_previous(&Prompt())
{
    InstallPrompt(this);
}

CCliPrompt::~CCliPrompt() { InstallPrompt(m_previous); }

void CCliPrompt::Inform(const QString&, const QString& text)
{
    CCliProgress::EndLine();
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

bool CCliPrompt::AskYesNo(const QString&, const QString& text)
{
    CCliProgress::EndLine();
    const QByteArray question = text.toLocal8Bit();
    if (m_assumeYes) {
        std::fprintf(stderr, "%s yes (--yes)\n", question.constData());
        return true;
    }
    if (!StdinIsTerminal()) {
        std::fprintf(stderr, "%s no: standard input is not a terminal, add --yes to answer yes\n",
                     question.constData());
        return false;
    }
    std::fprintf(stderr, "%s [y/N] ", question.constData());
    std::fflush(stderr);
    QTextStream in(stdin);
    const QString answer = in.readLine().trimmed().toLower();
    return answer == "y" || answer == "yes";
}

bool CCliPrompt::OpenUrl(const QUrl& url)
{
    std::printf("%s\n", url.toString().toLocal8Bit().constData());
    return true;
}

namespace {
// The bar drawn last on the terminal, whose line is still open.
CCliProgress* g_openLine = nullptr;
}  // namespace

CCliProgress::CCliProgress() : m_terminal(StderrIsTerminal()) {}

CCliProgress::~CCliProgress() { EndLine(); }

void CCliProgress::EndLine()
{
    if (!g_openLine)
        return;
    std::fputc('\n', stderr);
    // The bar starts on a line of its own again.
    g_openLine->m_shown = -1;
    g_openLine = nullptr;
}

void CCliProgress::SetPhase(const QString& phase)
{
    EndLine();
    m_meter.SetPhase(phase);
}

void CCliProgress::Show(int percent, const QString& text)
{
    if (percent == m_shown && (text == m_text || !m_terminal))
        return;
    m_shown = percent;
    m_text = text;
    const QByteArray shown = text.toLocal8Bit();
    if (!m_terminal) {
        if (text.isEmpty())
            std::fprintf(stderr, "%d%%\n", percent);
        else
            std::fprintf(stderr, "%s\n", shown.constData());
        return;
    }
    constexpr int kWidth = 40;
    const int filled = percent * kWidth / 100;
    // With a text the percentage is in it; the rest of a longer line is cleared.
    std::fprintf(stderr, "\r[%s%s] %s\033[K", QByteArray(filled, '#').constData(),
                 QByteArray(kWidth - filled, '-').constData(),
                 text.isEmpty() ? QByteArray::number(percent).append('%').rightJustified(4).constData() : shown.constData());
    std::fflush(stderr);
    g_openLine = this;
}

void CCliProgress::customEvent(QEvent* event)
{
    if (event->type() == kPhaseEventType) {
        const auto* phase = static_cast<const CPhaseEvent*>(event);
        SetPhase(phase->note ? QString() : phase->name);
        if (phase->note)
            std::fprintf(stderr, "%s\n", phase->name.toLocal8Bit().constData());
        return;
    }
    if (event->type() != kProgressEventType)
        return;
    const auto* progress = static_cast<const CEventBase*>(event);
    if (progress->total <= 0)
        return;
    const int percent = int(progress->current * 100 / progress->total);
    Show(percent, m_meter.Phase().isEmpty() ? QString() : m_meter.Text(progress->current, progress->total));
}

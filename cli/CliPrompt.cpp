#include "CliPrompt.h"

#include "ProgressEvent.h"
#include "Terminal.h"

#include <QTextStream>

#include <algorithm>
#include <cstdio>

namespace {
// A progress line is open on the terminal: a message first ends it.
bool g_progressLineOpen = false;

void EndProgressLine()
{
    if (g_progressLineOpen)
        std::fputc('\n', stderr);
    g_progressLineOpen = false;
}
}  // namespace

CCliPrompt::CCliPrompt(bool assumeYes, bool anyModel)
    : m_assumeYes(assumeYes), m_anyModel(anyModel), m_previous(&Prompt())
{
    InstallPrompt(this);
}

CCliPrompt::~CCliPrompt() { InstallPrompt(m_previous); }

void CCliPrompt::Inform(const QString&, const QString& text)
{
    EndProgressLine();
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

bool CCliPrompt::AskYesNo(const QString&, const QString& text)
{
    EndProgressLine();
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

CCliProgress::CCliProgress(bool firmware) : m_firmware(firmware), m_terminal(StderrIsTerminal()) {}

CCliProgress::~CCliProgress() { EndLine(); }

void CCliProgress::EndLine()
{
    EndProgressLine();
    m_shown = -1;
    m_line.clear();
}

void CCliProgress::SetPhase(const QString& phase, ProgressUnit unit)
{
    EndLine();
    m_meter.SetPhase(phase, unit);
}

void CCliProgress::ShowText(int percent, const QString& text)
{
    const QByteArray line = text.toLocal8Bit();
    if (!m_terminal) {
        if (percent != m_shown)
            std::fprintf(stderr, "%s\n", line.constData());
        m_shown = percent;
        return;
    }
    if (g_progressLineOpen && line == m_line)
        return;
    // Blanks over what a longer line before it left.
    const int blanks = std::max(0, m_line.size() - line.size());
    std::fprintf(stderr, "\r%s%s", line.constData(), QByteArray(blanks, ' ').constData());
    std::fflush(stderr);
    g_progressLineOpen = true;
    m_line = line;
    m_shown = percent;
}

void CCliProgress::Show(int percent)
{
    if (percent == m_shown)
        return;
    m_shown = percent;
    if (!m_terminal) {
        std::fprintf(stderr, "%d%%\n", percent);
        return;
    }
    constexpr int kWidth = 40;
    const int filled = percent * kWidth / 100;
    std::fprintf(stderr, "\r[%s%s] %3d%%", QByteArray(filled, '#').constData(),
                 QByteArray(kWidth - filled, '-').constData(), percent);
    std::fflush(stderr);
    g_progressLineOpen = true;
}

void CCliProgress::customEvent(QEvent* event)
{
    if (event->type() == kPhaseEventType) {
        const auto* phase = static_cast<const CPhaseEvent*>(event);
        SetPhase(phase->name, phase->unit);
        return;
    }
    if (event->type() != kProgressEventType)
        return;
    const auto* progress = static_cast<const CEventBase*>(event);
    if (progress->total <= 0)
        return;
    const int64_t share = progress->current * (m_firmware ? 20 : 100) / progress->total;
    const int percent = int((m_firmware ? 80 : 0) + share);
    if (m_meter.Phase().isEmpty())
        Show(percent);
    else
        ShowText(percent, m_meter.Text(progress->current, progress->total));
}

#include "CliPrompt.h"

#include "ProgressEvent.h"
#include "Terminal.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(CliPrompt)
};

void PrintError(const QString& text) { std::fputs(text.toLocal8Bit().constData(), stderr); }

// Yes in English or in the user's language.
bool IsYes(const QString& answer)
{
    return answer == "y" || answer == "yes" || answer == Text::tr("y") || answer == Text::tr("yes");
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
    CCliProgress::EndLine();
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

bool CCliPrompt::AskYesNo(const QString&, const QString& text)
{
    CCliProgress::EndLine();
    if (m_assumeYes) {
        PrintError(Text::tr("%1 yes (--yes)\n").arg(text));
        return true;
    }
    if (!StdinIsTerminal()) {
        PrintError(Text::tr("%1 no: standard input is not a terminal, add --yes to answer yes\n").arg(text));
        return false;
    }
    PrintError(Text::tr("%1 [y/N] ").arg(text));
    std::fflush(stderr);
    QTextStream in(stdin);
    return IsYes(in.readLine().trimmed().toLower());
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
        SetPhase(phase->name);
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

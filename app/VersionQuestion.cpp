// The program update question: asked only while the window is idle, so that
// it never opens inside a command's dialog or a running operation.
#include "CorvantaQT.h"
#include "Prompt.h"
#include "WebCatalogue.h"

void CorvantaQT::OfferNewVersion(float server)
{
    m_pendingVersion = server;
    AskPendingVersionQuestion();
}

void CorvantaQT::AskPendingVersionQuestion()
{
    // While the window is busy the end of its command asks again.
    if (Busy() || !m_pendingVersion)
        return;
    const float server = *m_pendingVersion;
    m_pendingVersion.reset();
    // No poll and no command start while the question is open.
    CBusyGuard busy(*this);
    const QString text =
        tr("A new version(V%1) is available, would you like to download ?").arg(double(server), 0, 'f', 2);
    if (Prompt().AskQuestion(tr("New version..."), text))
        Prompt().OpenUrl(QUrl(UpdateServerBase() + "/Corvanta/Corvanta.exe"));
}

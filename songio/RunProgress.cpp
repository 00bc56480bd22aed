#include "RunProgress.h"

#include "ProgressEvent.h"

#include <QCoreApplication>

namespace {
class CSongRelay : public QObject {
public:
    CSongRelay(QObject* target, int64_t before, int64_t runBytes)
        : m_target(target), m_before(before), m_runBytes(runBytes)
    {
    }

protected:
    void customEvent(QEvent* event) override
    {
        if (event->type() != kProgressEventType)
            return;
        CEventBase run(m_before + static_cast<const CEventBase*>(event)->current, m_runBytes);
        QCoreApplication::sendEvent(m_target, &run);
    }

private:
    QObject* m_target;
    int64_t m_before;
    int64_t m_runBytes;
};
}  // namespace

CRunProgress::CRunProgress(QObject* target, int64_t runBytes) : m_target(target), m_runBytes(runBytes) {}

CRunProgress::~CRunProgress()
{
    for (const auto& relay : m_relays)
        QCoreApplication::sendPostedEvents(relay.get(), kProgressEventType);
}

QObject* CRunProgress::NextSong(int64_t songBytes)
{
    if (!m_target)
        return nullptr;
    m_relays.push_back(std::make_unique<CSongRelay>(m_target, m_before, m_runBytes));
    m_before += songBytes;
    return m_relays.back().get();
}

void CRunProgress::SkipSong(int64_t songBytes)
{
    m_before += songBytes;
    // Posted behind the earlier songs' events, so the bar never goes back.
    PostProgress(m_target, m_before, m_runBytes);
}

#include "DeliveryQueue.h"

CDeliveryQueue::CDeliveryQueue(Handler handler) : m_handler(std::move(handler)), m_thread([this] { Run(); }) {}

CDeliveryQueue::~CDeliveryQueue()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

void CDeliveryQueue::Push(Message message)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_queue.push_back(std::move(message));
    }
    m_wake.notify_one();
}

void CDeliveryQueue::Run()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stop || !m_queue.empty(); });
        if (m_stop)
            return;
        Message message = std::move(m_queue.front());
        m_queue.pop_front();
        lock.unlock();
        m_handler(message);
        lock.lock();
    }
}

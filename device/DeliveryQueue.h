#pragma once
// A thread that hands queued messages, in order, to one handler: how a MIDI
// service delivers incoming messages on a thread of its own.
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

class CDeliveryQueue {
public:
    using Message = std::vector<uint8_t>;
    using Handler = std::function<void(const Message&)>;

    explicit CDeliveryQueue(Handler handler);
    ~CDeliveryQueue();  // undelivered messages are dropped
    CDeliveryQueue(const CDeliveryQueue&) = delete;
    CDeliveryQueue& operator=(const CDeliveryQueue&) = delete;

    void Push(Message message);

private:
    void Run();

    Handler m_handler;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<Message> m_queue;
    bool m_stop = false;
    std::thread m_thread;
};

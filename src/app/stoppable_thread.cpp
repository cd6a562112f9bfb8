#include "app/stoppable_thread.h"

#include <utility>

void StoppableThread::Start(Work work) {
  Wait();
  m_stop = false;
  m_thread = std::thread([this, work = std::move(work)] { work(m_stop); });
}

void StoppableThread::Wait() {
  if (m_thread.joinable()) m_thread.join();
}

void StoppableThread::Stop() {
  m_stop = true;
  Wait();
}

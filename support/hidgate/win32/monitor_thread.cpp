#include "support/hidgate/win32/monitor_thread.h"

namespace mouse::hidgate::win32 {

bool MonitorThread::Start(std::function<void(HANDLE stop)> body) {
  Stop();
  body_ = std::move(body);
  stop_.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  if (!stop_) {
    return false;
  }
  thread_.reset(CreateThread(nullptr, 0, &MonitorThread::Entry, this, 0, nullptr));
  return static_cast<bool>(thread_);
}

void MonitorThread::Stop() {
  if (thread_) {
    SetEvent(stop_.get());
    WaitForSingleObject(thread_.get(), INFINITE);
    thread_.reset();
  }
  stop_.reset();
}

DWORD WINAPI MonitorThread::Entry(void* self) {
  HMODULE library = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                     reinterpret_cast<LPCWSTR>(&MonitorThread::Entry), &library);
  auto* thread = static_cast<MonitorThread*>(self);
  thread->body_(thread->stop_.get());
  if (library != nullptr) {
    FreeLibraryAndExitThread(library, 0);
  }
  return 0;
}

}  // namespace mouse::hidgate::win32

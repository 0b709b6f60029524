#include "support/hidgate/win32/monitor_thread.h"

namespace mouse::hidgate::win32 {

bool MonitorThread::Start(std::function<void(HANDLE stop)> body) {
  Stop();
  body_ = std::move(body);
  stop_.Reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  if (!stop_.Valid()) {
    return false;
  }
  thread_.Reset(CreateThread(nullptr, 0, &MonitorThread::Entry, this, 0, nullptr));
  return thread_.Valid();
}

void MonitorThread::Stop() {
  if (thread_.Valid()) {
    SetEvent(stop_.Get());
    WaitForSingleObject(thread_.Get(), INFINITE);
    thread_.Reset();
  }
  stop_.Reset();
}

DWORD WINAPI MonitorThread::Entry(void* self) {
  HMODULE library = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                     reinterpret_cast<LPCWSTR>(&MonitorThread::Entry), &library);
  auto* thread = static_cast<MonitorThread*>(self);
  thread->body_(thread->stop_.Get());
  if (library != nullptr) {
    FreeLibraryAndExitThread(library, 0);
  }
  return 0;
}

}  // namespace mouse::hidgate::win32

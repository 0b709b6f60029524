// Serves the virtual mouse on its named pipe: any number of connections at
// once, each with its own thread; a connection that subscribes receives the
// mouse's events until it closes.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "support/vmouse/service/virtual_mouse_service.h"
#include "support/vmouse/win32/pipe_io.h"

namespace mouse::vmouse::win32 {

class PipeServer {
 public:
  // `onQuit` runs (on a connection thread) when a client asks the program
  // to end.
  PipeServer(VirtualMouseService& service, std::u16string name, std::function<void()> onQuit);
  ~PipeServer();
  PipeServer(const PipeServer&) = delete;
  PipeServer& operator=(const PipeServer&) = delete;

  // Creates the pipe; false when another program already serves this name.
  bool Start();
  // Ends every connection and waits for the threads.
  void Stop();

 private:
  struct Connection {
    std::thread Thread;
    std::atomic<bool> Done{false};
  };

  void AcceptLoop(framework::FileHandle first);
  void Serve(HANDLE pipe);
  void StreamEvents(HANDLE pipe);
  // Waits up to `timeoutMs` for the client to close its end.
  void AwaitClientClose(HANDLE pipe, DWORD timeoutMs);
  HANDLE CreateInstance(bool first) const;
  void ReapFinished();

  VirtualMouseService& service_;
  std::wstring path_;
  std::function<void()> onQuit_;
  framework::KernelHandle stop_;
  std::thread acceptor_;
  std::mutex mutex_;
  std::list<std::unique_ptr<Connection>> connections_;
};

}  // namespace mouse::vmouse::win32

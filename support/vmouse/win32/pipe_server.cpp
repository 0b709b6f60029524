#include "support/vmouse/win32/pipe_server.h"

#include <deque>
#include <utility>

#include "support/vmouse/service/pipe_protocol.h"

namespace mouse::vmouse::win32 {

namespace {

constexpr DWORD kPipeBuffer = 64 * 1024;

// Events queued for one subscriber; the service's thread adds, the
// connection thread takes.
class EventQueue {
 public:
  EventQueue() : signal_(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {}
  void Push(const MouseEvent& event) {
    {
      std::lock_guard lock(mutex_);
      events_.push_back(event);
    }
    SetEvent(signal_.get());
  }
  std::deque<MouseEvent> TakeAll() {
    std::lock_guard lock(mutex_);
    return std::exchange(events_, {});
  }
  HANDLE Signal() const { return signal_.get(); }

 private:
  std::mutex mutex_;
  std::deque<MouseEvent> events_;
  framework::KernelHandle signal_;
};

}  // namespace

PipeServer::PipeServer(VirtualMouseService& service, std::u16string name,
                       std::function<void()> onQuit)
    : service_(service),
      path_(PipePath(name)),
      onQuit_(std::move(onQuit)),
      stop_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}

PipeServer::~PipeServer() { Stop(); }

HANDLE PipeServer::CreateInstance(bool first) const {
  const DWORD openMode =
      PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED | (first ? FILE_FLAG_FIRST_PIPE_INSTANCE : 0);
  return CreateNamedPipeW(path_.c_str(), openMode, PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT,
                          PIPE_UNLIMITED_INSTANCES, kPipeBuffer, kPipeBuffer, 0, nullptr);
}

bool PipeServer::Start() {
  framework::FileHandle first(CreateInstance(true));
  if (!first) {
    return false;
  }
  acceptor_ =
      std::thread([this, pipe = std::move(first)]() mutable { AcceptLoop(std::move(pipe)); });
  return true;
}

void PipeServer::Stop() {
  SetEvent(stop_.get());
  if (acceptor_.joinable()) {
    acceptor_.join();
  }
  std::lock_guard lock(mutex_);
  for (auto& connection : connections_) {
    if (connection->Thread.joinable()) {
      connection->Thread.join();
    }
  }
  connections_.clear();
}

void PipeServer::ReapFinished() {
  std::lock_guard lock(mutex_);
  for (auto it = connections_.begin(); it != connections_.end();) {
    if ((*it)->Done) {
      (*it)->Thread.join();
      it = connections_.erase(it);
    } else {
      ++it;
    }
  }
}

void PipeServer::AcceptLoop(framework::FileHandle pipe) {
  framework::KernelHandle event(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  while (pipe) {
    OVERLAPPED overlapped{};
    overlapped.hEvent = event.get();
    bool connected = ConnectNamedPipe(pipe.get(), &overlapped) != FALSE;
    if (!connected) {
      const DWORD error = GetLastError();
      if (error == ERROR_PIPE_CONNECTED) {
        connected = true;
      } else if (error == ERROR_IO_PENDING) {
        connected =
            FinishOverlapped(pipe.get(), overlapped, FALSE, stop_.get(), INFINITE).has_value();
      }
    }
    if (WaitForSingleObject(stop_.get(), 0) == WAIT_OBJECT_0) {
      return;
    }
    if (connected) {
      ReapFinished();
      auto connection = std::make_unique<Connection>();
      Connection* self = connection.get();
      HANDLE client = pipe.release();
      connection->Thread = std::thread([this, self, client] {
        Serve(client);
        DisconnectNamedPipe(client);
        CloseHandle(client);
        self->Done = true;
      });
      std::lock_guard lock(mutex_);
      connections_.push_back(std::move(connection));
    }
    pipe.reset(CreateInstance(false));
  }
}

void PipeServer::Serve(HANDLE pipe) {
  for (;;) {
    const std::optional<std::string> request = ReadFrame(pipe, stop_.get());
    if (!request) {
      return;
    }
    const HandledRequest handled = HandleRequest(service_, *request);
    switch (handled.Next) {
      case HandledRequest::Then::kDisconnect:
        return;
      case HandledRequest::Then::kReply:
        if (!WriteFrame(pipe, handled.Response, stop_.get())) {
          return;
        }
        break;
      case HandledRequest::Then::kReplyQuit:
        if (WriteFrame(pipe, handled.Response, stop_.get())) {
          AwaitClientClose(pipe, 1000);
        }
        if (onQuit_) {
          onQuit_();
        }
        return;
      case HandledRequest::Then::kReplySubscribe:
        StreamEvents(pipe);
        return;
    }
  }
}

void PipeServer::AwaitClientClose(HANDLE pipe, DWORD timeoutMs) {
  framework::KernelHandle event(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  OVERLAPPED overlapped{};
  overlapped.hEvent = event.get();
  char ignored = 0;
  const BOOL started = ReadFile(pipe, &ignored, 1, nullptr, &overlapped);
  FinishOverlapped(pipe, overlapped, started, stop_.get(), timeoutMs);
}

void PipeServer::StreamEvents(HANDLE pipe) {
  EventQueue queue;
  const int id = service_.Subscribe([&queue](const MouseEvent& event) { queue.Push(event); });
  // A subscriber sends nothing more: a read that completes means it closed.
  framework::KernelHandle readEvent(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  OVERLAPPED overlapped{};
  overlapped.hEvent = readEvent.get();
  char ignored = 0;
  bool reading = false;
  if (WriteFrame(pipe, StateResponse(service_.Plugged(), service_.HostPresent()), stop_.get())) {
    const BOOL started = ReadFile(pipe, &ignored, 1, nullptr, &overlapped);
    reading = started || GetLastError() == ERROR_IO_PENDING;
    HANDLE waits[3] = {queue.Signal(), readEvent.get(), stop_.get()};
    while (reading) {
      const DWORD woke = WaitForMultipleObjects(3, waits, FALSE, INFINITE);
      if (woke != WAIT_OBJECT_0) {
        break;
      }
      bool written = true;
      for (const MouseEvent& event : queue.TakeAll()) {
        written = written && WriteFrame(pipe, EncodeEvent(event), stop_.get());
      }
      if (!written) {
        break;
      }
    }
  }
  service_.Unsubscribe(id);
  if (reading) {
    DWORD moved = 0;
    CancelIo(pipe);
    GetOverlappedResult(pipe, &overlapped, &moved, TRUE);
  }
}

}  // namespace mouse::vmouse::win32

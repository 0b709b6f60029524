#include "virtual_mouse_run.h"

#include <atomic>
#include <fstream>

#include "dist_folder.h"
#include "support/vmouse/win32/pipe_client.h"

namespace mouse::vmouse::testing {

namespace {

std::wstring UniquePipeName() {
  static std::atomic<int> counter{0};
  return L"VirtualMouseTest-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
         std::to_wstring(GetTickCount64()) + L"-" + std::to_wstring(counter++);
}

// Waits up to `waitMs` for a process, ends it by force (with `forcedCode`)
// when it is still running, closes its handle and gives its exit code.
DWORD EndProcess(HANDLE process, DWORD waitMs, UINT forcedCode) {
  if (WaitForSingleObject(process, waitMs) != WAIT_OBJECT_0) {
    TerminateProcess(process, forcedCode);
    WaitForSingleObject(process, waitMs);
  }
  DWORD exitCode = 0;
  GetExitCodeProcess(process, &exitCode);
  CloseHandle(process);
  return exitCode;
}

}  // namespace

VirtualMouseRun::VirtualMouseRun(Contents contents) : pipe_(UniquePipeName()) {
  if (contents == Contents::ProgramFolder) {
    std::filesystem::copy(mouse::testing::DistFolder(), folder_.path(),
                          std::filesystem::copy_options::recursive);
  } else {
    for (const char* file : {"VirtualMouse.exe", "vmousectl.exe", "hidgate.dll"}) {
      std::filesystem::copy_file(mouse::testing::DistFolder() / file, folder_.path() / file);
    }
  }
  WriteSettings("[hidgate]\r\nBackend=virtual\r\n[virtual]\r\nPipe=" +
                std::string(pipe_.begin(), pipe_.end()) + "\r\n");
}

VirtualMouseRun::~VirtualMouseRun() { Stop(); }

void VirtualMouseRun::WriteSettings(const std::optional<std::string>& text) {
  const std::filesystem::path path = folder_.path() / "hidgate.ini";
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
  if (text) {
    std::ofstream(path, std::ios::binary) << *text;
  }
}

bool VirtualMouseRun::Start(int busyMs, const std::wstring& extraArgs) {
  const std::filesystem::path program = folder_.path() / "VirtualMouse.exe";
  std::wstring commandLine = L"\"" + program.wstring() + L"\" --pipe=" + pipe_ + L" --busy=" +
                             std::to_wstring(busyMs) + L" " + extraArgs;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder_.path().c_str(), &startup, &process_)) {
    return false;
  }
  CloseHandle(process_.hThread);
  process_.hThread = nullptr;
  const auto client = win32::PipeClient::Connect(std::u16string(pipe_.begin(), pipe_.end()), 10000);
  return client != nullptr;
}

bool VirtualMouseRun::Running() const {
  return process_.hProcess != nullptr && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

DWORD VirtualMouseRun::Stop() {
  if (process_.hProcess == nullptr) {
    return 0;
  }
  if (Running()) {
    Ctl(L"quit");
  }
  const DWORD exitCode = EndProcess(process_.hProcess, 5000, 99);
  process_.hProcess = nullptr;
  return exitCode;
}

CtlResult VirtualMouseRun::Ctl(const std::wstring& args) const {
  return RunProgram(folder_.path() / "vmousectl.exe", L"--pipe=" + pipe_ + L" " + args);
}

CtlResult RunProgram(const std::filesystem::path& program, const std::wstring& args,
                     DWORD timeoutMs) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE readEnd = nullptr;
  HANDLE writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) {
    return {~0u, {}};
  }
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd;
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  std::wstring commandLine = L"\"" + program.wstring() + L"\" " + args;
  PROCESS_INFORMATION process{};
  const BOOL started = CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                                      0, nullptr, nullptr, &startup, &process);
  CloseHandle(writeEnd);
  if (!started) {
    CloseHandle(readEnd);
    return {~0u, {}};
  }
  // The output is small: read it to the end, then collect the exit code.
  std::string output;
  char buffer[4096];
  DWORD read = 0;
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  while (GetTickCount64() < deadline) {
    DWORD available = 0;
    if (!PeekNamedPipe(readEnd, nullptr, 0, nullptr, &available, nullptr)) {
      break;  // the program closed its end
    }
    if (available == 0) {
      if (WaitForSingleObject(process.hProcess, 10) == WAIT_OBJECT_0 &&
          (!PeekNamedPipe(readEnd, nullptr, 0, nullptr, &available, nullptr) || available == 0)) {
        break;
      }
      continue;
    }
    if (!ReadFile(readEnd, buffer, sizeof buffer, &read, nullptr) || read == 0) {
      break;
    }
    output.append(buffer, read);
  }
  CloseHandle(readEnd);
  CloseHandle(process.hThread);
  return {EndProcess(process.hProcess, 2000, 98), output};
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) {
      end = text.size();
    }
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
    }
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

}  // namespace mouse::vmouse::testing

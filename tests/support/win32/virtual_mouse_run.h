// The virtual mouse as the Windows tests run it: the program folder's
// VirtualMouse.exe, vmousectl.exe and hidgate.dll (or the whole program
// folder) copied into a fresh folder (so the flash file is fresh), a pipe name of its own (so no
// other run interferes), started and stopped by the test and never left behind.
#pragma once

#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "temp_folder.h"

namespace mouse::vmouse::testing {

struct CtlResult {
  DWORD ExitCode;
  std::string Output;  // stdout
};

class VirtualMouseRun {
 public:
  // What the fresh folder gets: the virtual mouse and the library only, or
  // the whole program folder (Helper, the display program, the language
  // module...), for tests that run the system.
  enum class Contents { MouseOnly, ProgramFolder };

  explicit VirtualMouseRun(Contents contents = Contents::MouseOnly);
  ~VirtualMouseRun();
  VirtualMouseRun(const VirtualMouseRun&) = delete;
  VirtualMouseRun& operator=(const VirtualMouseRun&) = delete;

  const std::filesystem::path& Folder() const { return folder_.path(); }
  const std::wstring& PipeName() const { return pipe_; }
  std::filesystem::path LibraryPath() const { return folder_.path() / "hidgate.dll"; }
  // Replaces hidgate.ini beside the library (nothing: no file at all).
  void WriteSettings(const std::optional<std::string>& text);

  // Starts VirtualMouse.exe (busy time `busyMs` per command) and waits until
  // its pipe answers; false when it did not come up within 10 s.
  bool Start(int busyMs = 30, const std::wstring& extraArgs = L"");
  // vmousectl with this run's pipe and `args`.
  CtlResult Ctl(const std::wstring& args) const;
  // Asks the virtual mouse to quit and waits for the process (ended by
  // force after 5 s); the exit code.
  DWORD Stop();
  bool Running() const;

 private:
  mouse::testing::TempFolder folder_;
  std::wstring pipe_;
  PROCESS_INFORMATION process_{};
};

// Runs a program with arguments, collecting its stdout; gives up (and ends
// it) after `timeoutMs`.
CtlResult RunProgram(const std::filesystem::path& program, const std::wstring& args,
                     DWORD timeoutMs = 10000);

// Splits text into its lines (LF or CR LF), without the line breaks.
std::vector<std::string> Lines(const std::string& text);

}  // namespace mouse::vmouse::testing

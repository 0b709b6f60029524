// The application base class: the life of a program in three steps.
//
//   class CMonitorApp : public framework::App {
//    protected:
//     bool InitInstance() override {   // false: end without a message loop
//       if (!window_.Create(...)) return false;
//       SetMainWindow(&window_);       // its destruction ends the loop
//       return true;
//     }
//     int ExitInstance(int exitCode) override { ...; return exitCode; }
//   };
//
//   int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
//     CMonitorApp app;
//     return app.Main(commandLine);
//   }
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace framework {

class Window;

class App {
 public:
  App() = default;
  virtual ~App() = default;
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  // InitInstance, then (when it succeeded) Run, then ExitInstance; returns
  // the process exit code.
  int Main(std::wstring_view commandLine = {});

  // The command line as given to Main (program name excluded).
  const std::wstring& CommandLine() const { return commandLine_; }
  Window* MainWindow() const { return mainWindow_; }

 protected:
  virtual bool InitInstance() { return true; }
  // The message loop (RunMessageLoop); returns the exit code of WM_QUIT.
  virtual int Run();
  // Receives the exit code of Run (0 when InitInstance failed) and returns
  // the process exit code.
  virtual int ExitInstance(int exitCode) { return exitCode; }

  // The window whose destruction ends the message loop.
  void SetMainWindow(Window* window);

 private:
  std::wstring commandLine_;
  Window* mainWindow_ = nullptr;
};

}  // namespace framework

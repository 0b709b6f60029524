#include "framework/app.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/window.h"

namespace framework {
namespace {

class TestApp : public App {
 public:
  bool initSucceeds = true;
  std::vector<std::string> steps;
  Window window;

 protected:
  bool InitInstance() override {
    steps.push_back("init " + std::string(CommandLine() == L"1" ? "1" : "?"));
    if (!initSucceeds) {
      return false;
    }
    if (!window.Create({.title = L"app main window"})) {
      return false;
    }
    SetMainWindow(&window);
    window.Post(WM_CLOSE);  // the default handling destroys the window
    return true;
  }
  int Run() override {
    steps.push_back("run");
    return App::Run();
  }
  int ExitInstance(int exitCode) override {
    steps.push_back("exit " + std::to_string(exitCode));
    return 5;
  }
};

TEST(App, LoopEndsWhenTheMainWindowIsDestroyed) {
  TestApp app;
  EXPECT_EQ(app.Main(L"1"), 5);
  EXPECT_EQ(app.steps, (std::vector<std::string>{"init 1", "run", "exit 0"}));
  EXPECT_EQ(app.window.hwnd(), nullptr);

  TestApp refused;
  refused.initSucceeds = false;
  EXPECT_EQ(refused.Main(L"1"), 5);
  EXPECT_EQ(refused.steps, (std::vector<std::string>{"init 1", "exit 0"}));
}

}  // namespace
}  // namespace framework

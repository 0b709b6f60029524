// A program with one window that takes the foreground and stays until it is
// closed (or a minute has passed), so a test can bring "a game" to the front.
#include <windows.h>

namespace {

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER || message == WM_CLOSE) {
    DestroyWindow(window);
    return 0;
  }
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = L"ForegroundProgram";
  RegisterClassW(&windowClass);
  HWND window =
      CreateWindowExW(0, L"ForegroundProgram", L"A game", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50,
                      400, 300, nullptr, nullptr, instance, nullptr);
  SetForegroundWindow(window);
  SetTimer(window, 1, 60000, nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    DispatchMessageW(&message);
  }
  return 0;
}

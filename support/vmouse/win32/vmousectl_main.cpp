// vmousectl.exe: drives the running virtual mouse from scripts and tests.
// Exit codes: 0 done, 1 the virtual mouse refused, 2 usage, 3 the virtual
// mouse is not running or did not answer.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>
#include <vector>

#include "settings/win32/wide.h"
#include "support/vmouse/firmware/mouse_buttons.h"
#include "support/vmouse/service/command_line.h"
#include "support/vmouse/win32/pipe_client.h"

using namespace mouse::vmouse;

int wmain(int argc, wchar_t** argv) {
  _setmode(_fileno(stdout), _O_BINARY);
  std::vector<std::u16string> args;
  for (int i = 1; i < argc; ++i) {
    args.emplace_back(mouse::win32::Utf16(argv[i]));
  }
  std::string error;
  const std::optional<CtlCommand> command = ParseCtlArgs(args, error);
  if (!command) {
    std::fprintf(stderr, "vmousectl: %s\n%s", error.c_str(), CtlUsage().c_str());
    return 2;
  }
  if (command->What == CtlCommand::Kind::kListButtons) {
    for (const MouseButton& button : AllMouseButtons()) {
      std::printf("%s\n", MouseButtonName(button).c_str());
    }
    return 0;
  }
  const auto client =
      win32::PipeClient::Connect(command->PipeName, static_cast<DWORD>(command->WaitMs));
  if (!client) {
    std::fprintf(stderr, "vmousectl: the virtual mouse is not running\n");
    return 3;
  }
  if (command->What == CtlCommand::Kind::kWait) {
    return 0;
  }
  const std::optional<PipeResponse> response =
      client->Transact(ControlRequest(command->Op, command->Argument), 10000);
  if (!response) {
    std::fprintf(stderr, "vmousectl: no answer from the virtual mouse\n");
    return 3;
  }
  if (!response->Ok) {
    std::fprintf(stderr, "vmousectl: %s\n",
                 response->Body.empty() ? "refused" : response->Body.c_str());
    return 1;
  }
  if (command->Op == PipeOp::kState) {
    const bool plugged = !response->Body.empty() && response->Body[0] == 1;
    const bool host = response->Body.size() > 1 && response->Body[1] == 1;
    std::printf("%s, host software %s\n", plugged ? "plugged" : "unplugged",
                host ? "present" : "absent");
  } else {
    std::fwrite(response->Body.data(), 1, response->Body.size(), stdout);
  }
  return 0;
}

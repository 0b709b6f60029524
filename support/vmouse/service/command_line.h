// The command lines of VirtualMouse.exe and vmousectl.exe.
//
//   VirtualMouse [--pipe=NAME] [--busy=MS] [--flash=PATH] [--unplugged]
//     --pipe       the pipe's name (default VirtualMouse)
//     --busy       every command keeps the mouse busy for MS ms (0..60000)
//                  instead of its own realistic time
//     --flash      the flash file (default VirtualMouse.flash beside the program)
//     --unplugged  start with the plug pulled
//
//   vmousectl [--pipe=NAME] [--wait=MS] COMMAND
//     COMMAND: press BUTTON | plug | unplug | reset | dump | state | quit |
//              wait | buttons
//     --wait       how long to wait for the virtual mouse (default 2000 ms)
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "support/vmouse/service/pipe_protocol.h"

namespace mouse::vmouse {

struct VirtualMouseOptions {
  std::u16string PipeName = kDefaultPipeName;
  std::optional<int> BusyMs;
  std::u16string FlashPath;  // empty: beside the program
  bool StartUnplugged = false;
};

// Nothing (and `error` set) for an unknown or malformed argument.
std::optional<VirtualMouseOptions> ParseVirtualMouseArgs(const std::vector<std::u16string>& args,
                                                         std::string& error);

struct CtlCommand {
  enum class Kind { kRequest, kWait, kListButtons };
  Kind What = Kind::kRequest;
  std::u16string PipeName = kDefaultPipeName;
  int WaitMs = 2000;
  PipeOp Op = PipeOp::kState;
  std::string Argument;  // the button of "press"
};

std::optional<CtlCommand> ParseCtlArgs(const std::vector<std::u16string>& args, std::string& error);

// The usage text of vmousectl.
std::string CtlUsage();

}  // namespace mouse::vmouse

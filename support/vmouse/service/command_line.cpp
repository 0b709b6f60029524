#include "support/vmouse/service/command_line.h"

#include "settings/text_encoding.h"

namespace mouse::vmouse {

namespace {

// The value of "--name=value" when `arg` is that option.
std::optional<std::u16string> OptionValue(const std::u16string& arg, std::u16string_view name) {
  const std::u16string prefix = u"--" + std::u16string(name) + u"=";
  if (arg.starts_with(prefix)) {
    return arg.substr(prefix.size());
  }
  return std::nullopt;
}

std::optional<int> Milliseconds(std::u16string_view text) {
  if (text.empty() || text.size() > 5) {
    return std::nullopt;
  }
  int value = 0;
  for (char16_t c : text) {
    if (c < u'0' || c > u'9') {
      return std::nullopt;
    }
    value = value * 10 + (c - u'0');
  }
  return value <= 60000 ? std::optional<int>(value) : std::nullopt;
}

// The value of --pipe: a plain pipe name, or an error.
bool TakePipeName(const std::u16string& value, std::u16string& name, std::string& error) {
  if (!IsPipeName(value)) {
    error = "not a pipe name: " + ToUtf8(value);
    return false;
  }
  name = value;
  return true;
}

struct NamedOp {
  std::u16string_view Name;
  PipeOp Op;
};
constexpr NamedOp kCtlOps[] = {
    {u"plug", PipeOp::kPlug}, {u"unplug", PipeOp::kUnplug}, {u"reset", PipeOp::kReset},
    {u"dump", PipeOp::kDump}, {u"state", PipeOp::kState},   {u"quit", PipeOp::kQuit},
};

}  // namespace

std::optional<VirtualMouseOptions> ParseVirtualMouseArgs(const std::vector<std::u16string>& args,
                                                         std::string& error) {
  VirtualMouseOptions options;
  for (const std::u16string& arg : args) {
    if (const auto pipe = OptionValue(arg, u"pipe")) {
      if (!TakePipeName(*pipe, options.PipeName, error)) {
        return std::nullopt;
      }
    } else if (const auto busy = OptionValue(arg, u"busy")) {
      options.BusyMs = Milliseconds(*busy);
      if (!options.BusyMs) {
        error = "not a busy time in ms (0..60000): " + ToUtf8(*busy);
        return std::nullopt;
      }
    } else if (const auto flash = OptionValue(arg, u"flash")) {
      if (flash->empty()) {
        error = "empty flash file name";
        return std::nullopt;
      }
      options.FlashPath = *flash;
    } else if (arg == u"--unplugged") {
      options.StartUnplugged = true;
    } else {
      error = "unknown argument: " + ToUtf8(arg);
      return std::nullopt;
    }
  }
  return options;
}

std::optional<CtlCommand> ParseCtlArgs(const std::vector<std::u16string>& args,
                                       std::string& error) {
  CtlCommand command;
  std::vector<std::u16string> words;
  for (const std::u16string& arg : args) {
    if (const auto pipe = OptionValue(arg, u"pipe")) {
      if (!TakePipeName(*pipe, command.PipeName, error)) {
        return std::nullopt;
      }
    } else if (const auto wait = OptionValue(arg, u"wait")) {
      const auto ms = Milliseconds(*wait);
      if (!ms) {
        error = "not a time in ms (0..60000): " + ToUtf8(*wait);
        return std::nullopt;
      }
      command.WaitMs = *ms;
    } else if (arg.starts_with(u"--")) {
      error = "unknown option: " + ToUtf8(arg);
      return std::nullopt;
    } else {
      words.push_back(arg);
    }
  }
  if (words.empty()) {
    error = "no command";
    return std::nullopt;
  }
  const std::u16string& verb = words[0];
  const std::size_t expected = verb == u"press" ? 2 : 1;
  if (words.size() != expected) {
    error = expected == 2 ? "press needs one button" : "too many arguments";
    return std::nullopt;
  }
  if (verb == u"press") {
    command.Op = PipeOp::kPress;
    command.Argument = ToUtf8(words[1]);
    return command;
  }
  if (verb == u"wait") {
    command.What = CtlCommand::Kind::kWait;
    return command;
  }
  if (verb == u"buttons") {
    command.What = CtlCommand::Kind::kListButtons;
    return command;
  }
  for (const NamedOp& op : kCtlOps) {
    if (verb == op.Name) {
      command.Op = op.Op;
      return command;
    }
  }
  error = "unknown command: " + ToUtf8(verb);
  return std::nullopt;
}

std::string CtlUsage() {
  return "usage: vmousectl [--pipe=NAME] [--wait=MS] COMMAND\n"
         "  press BUTTON   press a button of the virtual mouse (see: vmousectl buttons)\n"
         "  plug, unplug   put the mouse's plug in or pull it\n"
         "  reset          back to the factory memory\n"
         "  dump           the mouse's memory as the reports it returns, one per line\n"
         "  state          prints plugged or unplugged and whether the host is present\n"
         "  quit           ends the virtual mouse\n"
         "  wait           waits until the virtual mouse runs\n"
         "  buttons        lists the button names\n";
}

}  // namespace mouse::vmouse

#include "support/vmouse/service/pipe_protocol.h"

#include <vector>

namespace mouse::vmouse {

namespace {

void AppendU16(std::string& out, std::uint16_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>(value >> 8);
}

std::uint16_t ReadU16(std::string_view bytes, std::size_t offset) {
  return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[offset]) |
                                    (static_cast<std::uint8_t>(bytes[offset + 1]) << 8));
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += '\n';
  }
  return text;
}

HandledRequest Reply(bool ok, std::string_view body = {}) {
  return {EncodeResponse(ok, body), HandledRequest::Then::kReply};
}

HandledRequest HandleGetFeature(VirtualMouseService& service, std::string_view args) {
  if (args.size() != 3) {
    return {{}, HandledRequest::Then::kDisconnect};
  }
  const std::size_t length = ReadU16(args, 0);
  if (length == 0 || length > kMaxReportLength) {
    return Reply(false);
  }
  std::string report(length, '\0');
  report[0] = args[2];
  if (!service.GetFeature(reinterpret_cast<std::uint8_t*>(report.data()), length)) {
    return Reply(false);
  }
  return Reply(true, report);
}

HandledRequest HandlePress(VirtualMouseService& service, std::string_view name) {
  const std::optional<MouseButton> button = ParseMouseButton(name);
  if (!button) {
    return Reply(false, "unknown button '" + std::string(name) + "'");
  }
  if (!service.Press(*button)) {
    return Reply(false, "the mouse is unplugged");
  }
  return Reply(true);
}

}  // namespace

bool IsPipeName(std::u16string_view name) {
  return !name.empty() && name.size() <= 200 &&
         name.find_first_of(u"\\/:") == std::u16string_view::npos;
}

std::string EncodeFrame(std::string_view payload) {
  std::string frame;
  frame.reserve(kFrameHeaderSize + payload.size());
  const auto size = static_cast<std::uint32_t>(payload.size());
  for (int i = 0; i < 4; ++i) {
    frame += static_cast<char>((size >> (8 * i)) & 0xFF);
  }
  frame += payload;
  return frame;
}

std::optional<std::size_t> FrameLength(std::string_view header) {
  if (header.size() != kFrameHeaderSize) {
    return std::nullopt;
  }
  std::uint32_t size = 0;
  for (int i = 0; i < 4; ++i) {
    size |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(header[i])) << (8 * i);
  }
  if (size > kMaxFrameSize) {
    return std::nullopt;
  }
  return size;
}

std::string SetFeatureRequest(const std::uint8_t* report, std::size_t length) {
  std::string request(1, static_cast<char>(PipeOp::kSetFeature));
  request.append(reinterpret_cast<const char*>(report), length);
  return request;
}

std::string GetFeatureRequest(std::uint8_t id, std::size_t length) {
  std::string request(1, static_cast<char>(PipeOp::kGetFeature));
  AppendU16(request, static_cast<std::uint16_t>(length));
  request += static_cast<char>(id);
  return request;
}

std::string ControlRequest(PipeOp op, std::string_view argument) {
  std::string request(1, static_cast<char>(op));
  request += argument;
  return request;
}

std::string EncodeResponse(bool ok, std::string_view body) {
  std::string response(1, ok ? '\1' : '\0');
  response += body;
  return response;
}

std::string StateResponse(bool plugged, bool hostPresent) {
  const char state[2] = {plugged ? '\1' : '\0', hostPresent ? '\1' : '\0'};
  return EncodeResponse(true, std::string_view(state, 2));
}

std::optional<PipeResponse> ParseResponse(std::string_view payload) {
  if (payload.empty() || static_cast<std::uint8_t>(payload[0]) > 1) {
    return std::nullopt;
  }
  return PipeResponse{payload[0] == 1, std::string(payload.substr(1))};
}

std::string EncodeEvent(const MouseEvent& event) {
  std::string payload(1, static_cast<char>(event.EventKind));
  AppendU16(payload, event.Type);
  AppendU16(payload, event.Value);
  return payload;
}

std::optional<MouseEvent> ParseEvent(std::string_view payload) {
  if (payload.size() != 5) {
    return std::nullopt;
  }
  const auto kind = static_cast<MouseEvent::Kind>(payload[0]);
  if (kind != MouseEvent::Kind::kNotice && kind != MouseEvent::Kind::kPlug) {
    return std::nullopt;
  }
  return MouseEvent{kind, ReadU16(payload, 1), ReadU16(payload, 3)};
}

HandledRequest HandleRequest(VirtualMouseService& service, std::string_view request) {
  if (request.empty()) {
    return {{}, HandledRequest::Then::kDisconnect};
  }
  const std::string_view args = request.substr(1);
  switch (static_cast<PipeOp>(request[0])) {
    case PipeOp::kSetFeature:
      if (args.size() > kMaxReportLength) {
        return Reply(false);
      }
      return Reply(
          service.SetFeature(reinterpret_cast<const std::uint8_t*>(args.data()), args.size()));
    case PipeOp::kGetFeature:
      return HandleGetFeature(service, args);
    case PipeOp::kState:
      return {StateResponse(service.Plugged(), service.HostPresent()),
              HandledRequest::Then::kReply};
    case PipeOp::kPress:
      return HandlePress(service, args);
    case PipeOp::kPlug:
      service.SetPlugged(true);
      return Reply(true);
    case PipeOp::kUnplug:
      service.SetPlugged(false);
      return Reply(true);
    case PipeOp::kReset:
      service.Reset();
      return Reply(true);
    case PipeOp::kDump:
      return Reply(true, Joined(service.Dump()));
    case PipeOp::kQuit:
      return {EncodeResponse(true), HandledRequest::Then::kReplyQuit};
    case PipeOp::kSubscribe:
      // The server subscribes first and then answers with StateResponse, so
      // that no plug change falls between the state and the first event.
      return {{}, HandledRequest::Then::kReplySubscribe};
  }
  return {{}, HandledRequest::Then::kDisconnect};
}

}  // namespace mouse::vmouse

// What travels over the virtual mouse's pipe. Every message is a frame: a
// 32-bit little-endian length, then that many bytes. A client sends one
// request frame and reads one response frame; a client that subscribes
// receives, after the response, one event frame per notice or plug change
// until it disconnects.
//
//   request   byte 0 = operation, then its arguments
//     0x01 set feature   the report bytes
//     0x02 get feature   16-bit report length, then the report id
//     0x03 state         -
//     0x10 press         the button's name (mouse_buttons.h)
//     0x11 plug, 0x12 unplug, 0x13 reset, 0x14 dump, 0x15 quit
//     0x20 subscribe     -
//   response  byte 0 = 1 done / 0 failed, then the result: the report read,
//             the plug state (1/0), the dump (one report per line), or an
//             error text
//   event     byte 0 = 1 notice / 2 plug, 16-bit type, 16-bit value
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "support/vmouse/service/virtual_mouse_service.h"

namespace mouse::vmouse {

// The pipe's name: \\.\pipe\ followed by this (or the name given).
inline constexpr char16_t kDefaultPipeName[] = u"VirtualMouse";

// A pipe name is one plain name: not empty, at most 200 characters, no
// separators.
bool IsPipeName(std::u16string_view name);

inline constexpr std::size_t kFrameHeaderSize = 4;
// Larger frames are refused: the connection is broken.
inline constexpr std::size_t kMaxFrameSize = 64 * 1024;
// The longest report the transfers carry.
inline constexpr std::size_t kMaxReportLength = 4096;

enum class PipeOp : std::uint8_t {
  kSetFeature = 0x01,
  kGetFeature = 0x02,
  kState = 0x03,
  kPress = 0x10,
  kPlug = 0x11,
  kUnplug = 0x12,
  kReset = 0x13,
  kDump = 0x14,
  kQuit = 0x15,
  kSubscribe = 0x20,
};

std::string EncodeFrame(std::string_view payload);
// The payload length a frame header announces; nothing when it exceeds
// kMaxFrameSize.
std::optional<std::size_t> FrameLength(std::string_view header);

// --- Requests, as clients build them ---
std::string SetFeatureRequest(const std::uint8_t* report, std::size_t length);
std::string GetFeatureRequest(std::uint8_t id, std::size_t length);
std::string ControlRequest(PipeOp op, std::string_view argument = {});

// --- Responses ---
struct PipeResponse {
  bool Ok;
  std::string Body;
};
std::string EncodeResponse(bool ok, std::string_view body = {});
// The answer to "state" and "subscribe": the plug state, then the
// host-presence flag, one byte each.
std::string StateResponse(bool plugged, bool hostPresent);
std::optional<PipeResponse> ParseResponse(std::string_view payload);

// --- Events ---
std::string EncodeEvent(const MouseEvent& event);
std::optional<MouseEvent> ParseEvent(std::string_view payload);

// --- The server side ---
struct HandledRequest {
  enum class Then {
    kReply,           // send the response and wait for the next request
    kReplySubscribe,  // subscribe, send StateResponse, then stream events
    kReplyQuit,       // send the response, then end the program
    kDisconnect,      // not a request: drop the connection
  };
  std::string Response;
  Then Next = Then::kReply;
};

HandledRequest HandleRequest(VirtualMouseService& service, std::string_view request);

}  // namespace mouse::vmouse

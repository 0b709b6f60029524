#include "support/vmouse/service/pipe_protocol.h"

#include <gtest/gtest.h>

#include "device/notices.h"
#include "manual_clock.h"
#include "report_bytes.h"

namespace mouse::vmouse {
namespace {

using mouse::testing::ManualClock;
using testing::Hex;
using Then = HandledRequest::Then;

std::string Bytes(const std::vector<std::uint8_t>& bytes) {
  return std::string(bytes.begin(), bytes.end());
}

TEST(PipeFrames, CarryTheirLengthAndRefuseHugeOnes) {
  const std::string frame = EncodeFrame("abc");
  ASSERT_EQ(frame.size(), 7u);
  EXPECT_EQ(FrameLength(frame.substr(0, 4)), 3u);
  EXPECT_EQ(FrameLength(std::string("\x00\x00\x01\x00", 4)), 65536u);
  EXPECT_EQ(FrameLength(std::string("\x01\x00\x01\x00", 4)), std::nullopt);
  EXPECT_EQ(FrameLength(std::string("\xFF\xFF\xFF\xFF", 4)), std::nullopt);
  EXPECT_EQ(FrameLength("abc"), std::nullopt);
}

TEST(PipeEvents, RoundTripAndRejectOddPayloads) {
  const MouseEvent notice{MouseEvent::Kind::kNotice, kNoticeSensitivity, 0x0C05};
  EXPECT_EQ(ParseEvent(EncodeEvent(notice)), notice);
  const MouseEvent plug{MouseEvent::Kind::kPlug, 0, 1};
  EXPECT_EQ(ParseEvent(EncodeEvent(plug)), plug);
  EXPECT_EQ(ParseEvent(""), std::nullopt);
  EXPECT_EQ(ParseEvent(std::string("\x01\x00\x30\x01", 4)), std::nullopt);
  EXPECT_EQ(ParseEvent(std::string("\x03\x00\x30\x01\x00", 5)), std::nullopt);
  EXPECT_EQ(ParseResponse(""), std::nullopt);
  EXPECT_EQ(ParseResponse("\x02"), std::nullopt);
}

class RequestTest : public ::testing::Test {
 protected:
  PipeResponse Ask(const std::string& request, Then expected = Then::kReply) {
    const HandledRequest handled = HandleRequest(service, request);
    EXPECT_EQ(handled.Next, expected);
    const auto response = ParseResponse(handled.Response);
    EXPECT_TRUE(response.has_value());
    return response.value_or(PipeResponse{false, "no response"});
  }

  ManualClock clock;
  VirtualMouseService service{clock, FirmwareOptions{BusyTimes::Uniform(0)}, {}};
};

TEST_F(RequestTest, FeatureTransfersReachTheMouse) {
  const auto select = Hex("05 03 04");
  EXPECT_TRUE(Ask(SetFeatureRequest(select.data(), select.size())).Ok);
  EXPECT_EQ(Ask(GetFeatureRequest(0x05, 3)).Body, Bytes(select));
  EXPECT_EQ(Ask(GetFeatureRequest(0x04, 3)).Body, Bytes(Hex("04 01 00")));
  EXPECT_FALSE(Ask(GetFeatureRequest(0x05, 4)).Ok) << "wrong length";
  EXPECT_FALSE(Ask(GetFeatureRequest(0x05, 0)).Ok);
  EXPECT_FALSE(Ask(GetFeatureRequest(0x05, kMaxReportLength + 1)).Ok);
  const auto unknown = Hex("77 03 00");
  EXPECT_FALSE(Ask(SetFeatureRequest(unknown.data(), unknown.size())).Ok);
  EXPECT_FALSE(Ask(SetFeatureRequest(nullptr, 0)).Ok);
}

TEST_F(RequestTest, ControlCommandsDriveTheMouse) {
  // State: plugged, then whether the host software is present.
  EXPECT_EQ(Ask(ControlRequest(PipeOp::kState)).Body, std::string("\1\0", 2));
  const auto hostPresent = Hex("0E 03 01");
  EXPECT_TRUE(Ask(SetFeatureRequest(hostPresent.data(), hostPresent.size())).Ok);
  EXPECT_EQ(Ask(ControlRequest(PipeOp::kState)).Body, std::string("\1\1", 2));
  EXPECT_TRUE(Ask(ControlRequest(PipeOp::kPress, "profile")).Ok);
  const PipeResponse unknown = Ask(ControlRequest(PipeOp::kPress, "wheel"));
  EXPECT_FALSE(unknown.Ok);
  EXPECT_EQ(unknown.Body, "unknown button 'wheel'");

  const PipeResponse dump = Ask(ControlRequest(PipeOp::kDump));
  EXPECT_TRUE(dump.Ok);
  EXPECT_EQ(dump.Body.substr(0, 9), "05 03 01\n");
  EXPECT_EQ(std::count(dump.Body.begin(), dump.Body.end(), '\n'), 16);

  EXPECT_TRUE(Ask(ControlRequest(PipeOp::kUnplug)).Ok);
  EXPECT_EQ(Ask(ControlRequest(PipeOp::kState)).Body, std::string("\0\1", 2));
  EXPECT_FALSE(Ask(ControlRequest(PipeOp::kPress, "cpi")).Ok);
  EXPECT_FALSE(Ask(GetFeatureRequest(0x05, 3)).Ok);
  EXPECT_TRUE(Ask(ControlRequest(PipeOp::kPlug)).Ok);
  EXPECT_TRUE(Ask(ControlRequest(PipeOp::kReset)).Ok);
  EXPECT_EQ(service.Snapshot().Memory, FactoryMemory());
  EXPECT_TRUE(Ask(ControlRequest(PipeOp::kQuit), Then::kReplyQuit).Ok);
}

TEST_F(RequestTest, SubscribeIsLeftToTheServerAndGarbageDropsTheConnection) {
  EXPECT_EQ(HandleRequest(service, ControlRequest(PipeOp::kSubscribe)).Next, Then::kReplySubscribe);
  EXPECT_EQ(ParseResponse(StateResponse(false, true))->Body, std::string("\0\1", 2));
  for (const std::string& garbage :
       {std::string(), std::string("\x7F"), std::string("\x02\x03"), std::string("\x02\x03\x00")}) {
    EXPECT_EQ(HandleRequest(service, garbage).Next, Then::kDisconnect) << garbage.size();
  }
}

}  // namespace
}  // namespace mouse::vmouse

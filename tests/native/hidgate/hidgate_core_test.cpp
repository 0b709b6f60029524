#include <gtest/gtest.h>

#include "support/hidgate/core/hid_matching.h"
#include "support/hidgate/core/hidgate_settings.h"

namespace mouse::hidgate {
namespace {

HidgateSettings Parse(std::u16string_view text) {
  return ParseHidgateSettings(IniDocument::Parse(text));
}

TEST(HidgateSettings, TheVirtualBackendWithItsPipe) {
  const HidgateSettings plain = Parse(u"[hidgate]\r\nBackend=virtual\r\n");
  EXPECT_EQ(plain.Kind, Backend::kVirtual);
  EXPECT_EQ(plain.PipeName, u"VirtualMouse");

  const HidgateSettings named = Parse(u"[HIDGATE]\nbackend = Virtual \n[virtual]\nPipe= Test-7 \n");
  EXPECT_EQ(named.Kind, Backend::kVirtual);
  EXPECT_EQ(named.PipeName, u"Test-7");
}

TEST(HidgateSettings, TheHidBackendWithItsIds) {
  const HidgateSettings hid = Parse(
      u"[hidgate]\nBackend=hid\n[hid]\nVendorId=0x1a2B\nProductId=15437\nUsagePage=0xFF00\n"
      u"NoticeReport=0x0B\n");
  EXPECT_EQ(hid.Kind, Backend::kHid);
  EXPECT_EQ(hid.VendorId, 0x1A2B);
  EXPECT_EQ(hid.ProductId, 15437);
  EXPECT_EQ(hid.UsagePage, 0xFF00);
  EXPECT_EQ(hid.NoticeReportId, 0x0B);

  const HidgateSettings minimal =
      Parse(u"[hidgate]\nBackend=hid\n[hid]\nVendorId=1\nProductId=2\n");
  EXPECT_EQ(minimal.Kind, Backend::kHid);
  EXPECT_EQ(minimal.UsagePage, std::nullopt);
  EXPECT_EQ(minimal.NoticeReportId, kDefaultNoticeReportId);
}

TEST(HidgateSettings, AnythingIncompleteOrOddMeansNoMouse) {
  const std::u16string_view absent[] = {
      u"",
      u"[hidgate]\n",
      u"[hidgate]\nBackend=usb\n",
      u"[other]\nBackend=virtual\n",
      u"[hidgate]\nBackend=virtual\n[virtual]\nPipe=..\\pipe\\x\n",
      u"[hidgate]\nBackend=virtual\n[virtual]\nPipe=a/b\n",
      u"[hidgate]\nBackend=hid\n",
      u"[hidgate]\nBackend=hid\n[hid]\nVendorId=0x1234\n",
      u"[hidgate]\nBackend=hid\n[hid]\nVendorId=0x10000\nProductId=1\n",
      u"[hidgate]\nBackend=hid\n[hid]\nVendorId=-1\nProductId=1\n",
      u"[hidgate]\nBackend=hid\n[hid]\nVendorId=12ab\nProductId=1\n",
      u"[hidgate]\nBackend=hid\n[hid]\nVendorId=0x\nProductId=1\n",
      u"[hidgate]\nBackend=hid\n[hid]\nVendorId=1\nProductId=1\nUsagePage=page\n",
      u"[hidgate]\nBackend=hid\n[hid]\nVendorId=1\nProductId=1\nNoticeReport=0x100\n",
      u"[hidgate]\nBackend=hid\n[hid]\nVendorId=1\nProductId=1\nNoticeReport=0\n",
  };
  for (std::u16string_view text : absent) {
    EXPECT_EQ(Parse(text).Kind, Backend::kAbsent) << std::string(text.begin(), text.end());
  }
  const std::u16string longName =
      u"[hidgate]\nBackend=virtual\n[virtual]\nPipe=" + std::u16string(201, u'p') + u"\n";
  EXPECT_EQ(Parse(longName).Kind, Backend::kAbsent);
}

TEST(HidMatching, IdsComeFromTheInterfacePath) {
  EXPECT_EQ(VidPidFromInterfacePath(u"\\\\?\\hid#vid_1a2b&pid_3C4D&mi_01#7&1&0000#{4d1e55b2}"),
            (VidPid{0x1A2B, 0x3C4D}));
  EXPECT_EQ(VidPidFromInterfacePath(u"\\\\?\\HID#VID_0001&PID_FFFF#x"), (VidPid{0x0001, 0xFFFF}));
  EXPECT_EQ(VidPidFromInterfacePath(u"\\\\?\\hid#vid_1a2b#x"), std::nullopt);
  EXPECT_EQ(VidPidFromInterfacePath(u"\\\\?\\hid#vid_1a&pid_3c4d"), std::nullopt);
  EXPECT_EQ(VidPidFromInterfacePath(u"pid_12"), std::nullopt);
  EXPECT_EQ(VidPidFromInterfacePath(u""), std::nullopt);
}

TEST(HidMatching, TheMouseInterfaceHasTheIdsThePageAndFeatureReports) {
  HidgateSettings settings;
  settings.Kind = Backend::kHid;
  settings.VendorId = 0x1A2B;
  settings.ProductId = 0x3C4D;
  const HidInterfaceInfo mouse{0x1A2B, 0x3C4D, 0xFF00, 1034, 8};
  EXPECT_TRUE(IsMouseInterface(settings, mouse));
  EXPECT_FALSE(IsMouseInterface(settings, {0x1A2B, 0x3C4E, 0xFF00, 1034, 8}));
  EXPECT_FALSE(IsMouseInterface(settings, {0x1A2C, 0x3C4D, 0xFF00, 1034, 8}));
  EXPECT_FALSE(IsMouseInterface(settings, {0x1A2B, 0x3C4D, 0x0001, 0, 8})) << "no feature reports";
  settings.UsagePage = 0xFF00;
  EXPECT_TRUE(IsMouseInterface(settings, mouse));
  EXPECT_FALSE(IsMouseInterface(settings, {0x1A2B, 0x3C4D, 0x0001, 1034, 8}));
}

TEST(HidMatching, FeatureReportsArePaddedToTheInterfaceLength) {
  const std::uint8_t select[] = {0x05, 0x03, 0x02};
  const auto padded = PaddedFeatureBuffer(select, 3, 8);
  ASSERT_TRUE(padded.has_value());
  EXPECT_EQ(*padded, (std::vector<std::uint8_t>{0x05, 0x03, 0x02, 0, 0, 0, 0, 0}));
  EXPECT_EQ(PaddedFeatureBuffer(select, 3, 3)->size(), 3u);
  EXPECT_EQ(PaddedFeatureBuffer(select, 3, 2), std::nullopt);
  EXPECT_EQ(PaddedFeatureBuffer(select, 0, 8), std::nullopt);
  EXPECT_EQ(PaddedFeatureBuffer(nullptr, 3, 8), std::nullopt);
}

TEST(HidMatching, NoticesComeFromTheirInputReport) {
  const std::uint8_t profile[] = {0x0C, 0x00, 0x30, 0x03, 0x00, 0xAA};
  EXPECT_EQ(DecodeNoticeReport(profile, 6, 0x0C), (HidNotice{0x3000, 3}));
  const std::uint8_t sensitivity[] = {0x0C, 0x00, 0xC0, 0x05, 0x0C};
  EXPECT_EQ(DecodeNoticeReport(sensitivity, 5, 0x0C), (HidNotice{0xC000, 0x0C05}));
  EXPECT_EQ(DecodeNoticeReport(profile, 6, 0x0B), std::nullopt) << "another report";
  EXPECT_EQ(DecodeNoticeReport(profile, 4, 0x0C), std::nullopt) << "too short";
  const std::uint8_t empty[] = {0x0C, 0, 0, 1, 0};
  EXPECT_EQ(DecodeNoticeReport(empty, 5, 0x0C), std::nullopt) << "type 0";
  EXPECT_EQ(DecodeNoticeReport(nullptr, 5, 0x0C), std::nullopt);
}

}  // namespace
}  // namespace mouse::hidgate

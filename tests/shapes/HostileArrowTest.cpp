#include <gtest/gtest.h>

#include <QWidget>

#include "ByteStream.h"
#include "ControlCanvas.h"
#include "KDTools.h"
#include "Limits.h"
#include "Reader.h"
#include "StreamError.h"
#include "TestSupport.h"

namespace {

// Rates of 65535 on a thick line put the arrow's head millions of pixels away: the outline must
// still be built at once and stay within what a control can show.
TEST(HostileArrow, HugeHeadRatesGiveABoundedOutline) {
  TControlCanvas host;
  auto* arrow = new TKDArrow;
  arrow->ApplyBounds(10, 10, 300, 200);
  arrow->SetLineWidth(1000);
  arrow->SetArrowThicknessRate(65535);
  arrow->SetArrowHeadLengthRate(65535);
  arrow->SetArrowPosition(apBoth);
  arrow->SetParentControl(&host);
  const QRect bounds = arrow->mask().boundingRect();
  EXPECT_LE(bounds.bottom(), limits::kMaxExtent + 1024);
  EXPECT_LE(bounds.right(), limits::kMaxExtent + 1024);
  EXPECT_GE(bounds.top(), -1024);
}

// Found by fuzzing: an arrow record whose head length rate is 1952867660 (kept as 0x4C4C) before
// a damaged entry took half a minute to fail.
TEST(HostileArrow, DamagedRecordWithAHugeHeadRateFailsAtOnce) {
  const std::vector<uint8_t> bytes = testsupport::Hex(
      "5450463008544b444172726f7700134172726f77486561644c656e67746852617465044c65667403d200030b6273"
      "42446961676f6e616c656661756c7448656967687402310c446566616861636b6e65737352617465020a0d417272"
      "6f77506f73697469ffffffffffffffffffffffffffffffffffffffffffffffffffffff7273657403466e966f0a00"
      "742e436f6c6f72070c636c57696e646f77546578740b466f6e742e486569094973436f6e74726f6c67687402f509"
      "466f6e742e4e616d65060d4d696e6500124172726f77546869636b6e65737352617465020a0d4172726f77506f73"
      "697469ffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffff"
      "ffffffffffffffffffffff6f6e0707617052696768740000");
  RegisterFigureClasses();
  MemoryStream stream(bytes);
  TReader reader(stream);
  EXPECT_THROW(reader.ReadShape(), EStreamError);
}

}  // namespace

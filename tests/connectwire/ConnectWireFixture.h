#pragma once
#include <QUndoStack>

#include "ArrowHeads.h"
#include "ConnectorGeometry.h"
#include "ConnectorOptions.h"
#include "DocumentHistory.h"
#include "HistoryFixture.h"

// A new document with connectors kept attached, as a user who leaves the View option on.
class ConnectWireFixture : public HistoryFixture {
 protected:
  void SetUp() override {
    HistoryFixture::SetUp();
    ConnectorOptions::Instance().SetKeepAttached(true);
  }
  void TearDown() override {
    ConnectorOptions::Instance().SetKeepAttached(false);
    HistoryFixture::TearDown();
  }

  // The arrow as the connector arithmetic sees it.
  static connectors::Figure Described(const TKDArrow& a) {
    return {&a, connectors::FigureKind::Arrow, a.BoundsRect(), a.ArrowDirection(), a.ArrowPosition(), 0};
  }
  static geom::ArrowStyle StyleOf(const TKDArrow& a) {
    return {a.ArrowThicknessRate(), a.ArrowHeadLengthRate(), a.LineWidth()};
  }
  // The head the arrow draws at its end (apRight) or its start (apLeft), in canvas pixels.
  static geom::ArrowHead Head(const TKDArrow& a) {
    return connectors::HeadOf(Described(a), StyleOf(a), a.ArrowPosition() != apLeft);
  }
  static connectors::Ends EndsOf(const TKDArrow& a) { return connectors::EndsOf(a.BoundsRect(), a.ArrowDirection()); }
};

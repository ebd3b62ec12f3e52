#pragma once
#include <QPoint>
#include <span>

// Where more than two segment ends meet at one point (two routes crossing or touching at a
// bend, a run passing another's end), which of the others an arriving segment goes on through.
namespace connectors {

// A segment that could go on from the point: where it leads (its far end less the point) and
// whether the chain through it comes out a connector between two shapes with its one arrow.
struct ForkWay {
  QPoint away;
  bool makesConnector = false;
};

// The two runs leave the point the opposite ways along one line (within about 6 degrees).
bool GoesStraightOn(QPoint away, QPoint otherAway);

// The way the segment arriving from `arrivingAway` goes on, or -1: the only way that makes a
// connector; of several, the only one of them going straight on (two routes crossing at joints of
// both keep their courses, since a route turns at its joints and a crossing does not); otherwise,
// and where no way makes a connector, none. The rule looks at both sides alike, so that the
// ends a fork pairs agree on each other in the usual cases (crossings, a T, a shared bend).
int ChooseAtFork(QPoint arrivingAway, std::span<const ForkWay> ways);

// How many segments a search through forks follows before it gives a way up.
constexpr int kForkSearchSegments = 8;

}  // namespace connectors

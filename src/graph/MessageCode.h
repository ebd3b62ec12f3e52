#pragma once
#include <string>
#include <string_view>
#include <vector>

// What a warning or an error of a flowchart text says, as a code and the words it quotes, so that
// the editor can show it in the user's language while kdltool and the tests keep the English.
namespace graph {

enum class MessageCode {
  Plain,  // a text of its own (Graphviz's words): no pattern
  // Mermaid: the statements
  NoFlowchart,
  ExpectedFlowchart,
  ExpectedDirection,
  ExpectedLineEndAfterDirection,
  UnknownDirection,
  Unexpected,
  QuoteNotClosed,
  NotClosed,
  ExpectedTextOf,
  ExpectedEndOf,
  EndWithoutSubgraph,
  SubgraphNotClosed,
  ExpectedSeparator,
  ExpectedNode,
  ExpectedNodeAfterAmpersand,
  ExpectedNodeAfterLink,
  ExpectedClassAfterColons,
  ExpectedLink,
  LinkTextNotFollowedThick,
  LinkTextNotFollowedDotted,
  LinkTextNotFollowedPlain,
  ExpectedPropertyName,
  ExpectedPropertyColon,
  ExpectedPropertyValue,
  ExpectedPropertyBar,
  ExpectedStyleNode,
  ExpectedNodeStyles,
  ExpectedClassDefName,
  ExpectedClassStyles,
  ExpectedClassNode,
  ExpectedClassName,
  ExpectedLinkNumber,
  ExpectedLinkNumberOrDefault,
  ExpectedLinkStyles,
  ExpectedCurve,
  MissingNodeStyles,
  MissingClassStyles,
  MissingLinkStyles,
  NoNodeToDraw,
  FrontMatterNotClosed,
  DataNotKeyValue,
  NoSuchShape,
  NoSuchShapeWritten,
  // Mermaid: what is read but left out or drawn otherwise
  FrontMatterSkipped,
  DirectiveSkipped,
  DirectionSkipped,
  AccTitleSkipped,
  AccDescrSkipped,
  ClickSkipped,
  InterpolateNotDrawn,
  LinkCurveNotDrawn,
  LinkAnimationNotDrawn,
  LinkStyleBeyond,
  DirectionDrawnTopToBottom,
  StyleNotPair,
  ColourNotUnderstood,
  StrokeWidthNotUnderstood,
  ColourInNotUnderstood,
  SubgraphTitleCut,
  IdCut,
  TextCut,
  IconLeftOut,
  MarkersShownPlain,
  ShapeDrawnAs,
  BordersAllRound,
  ImageLeftOut,
  InvisibleLinkSkipped,
  LinkToLinkIdSkipped,
  LinkToEmptySubgraphSkipped,
  LinkIconLeftOut,
  LinkMarkersShownPlain,
  LinkTextCut,
  CircleCrossEnds,
  StartMarkLeftOut,
  LinkHalvesDiffer,
  // DOT
  NoDotGraph,
  NotAllDot,
  SeveralGraphs,
  GraphHoldsNoNode,
  UnnamedGraphHoldsNoNode,
  DotShapeDrawnAsProcess,
  RecordPortsIgnored,
  EdgeTextCut,
  ClusterTitleCut,
  Count
};

// The English of a code, with %1, %2 ... where its words go; "%1" for Plain. Each is marked for
// Qt's translation tools in the context "ChartMessages".
const char* PatternOf(MessageCode code);

// The pattern with %1 ... %9 replaced by the words (a missing word leaves its mark).
std::string Fill(std::string_view pattern, const std::vector<std::string>& words);

// A message's code and words, and its English.
struct Said {
  Said(MessageCode code = MessageCode::Plain, std::vector<std::string> words = {}) : code(code), words(std::move(words)) {}
  MessageCode code;
  std::vector<std::string> words;
  std::string English() const { return Fill(PatternOf(code), words); }
};

}  // namespace graph

#include "LayoutProtocol.h"

#include <charconv>
#include <climits>
#include <cstdint>

namespace layoutproc {

namespace {

constexpr std::string_view kRequestHeader = "KLAYOUT 1";
constexpr std::string_view kAnswerHeader = "KLAYOUT-ANSWER 1";
constexpr std::string_view kEnd = "END";

class Writer {
 public:
  Writer& Word(std::string_view word) {
    Separate();
    out_ += word;
    return *this;
  }
  Writer& Int(long long v) {
    Separate();
    out_ += std::to_string(v);
    return *this;
  }
  Writer& Str(std::string_view s) {
    Separate();
    out_ += std::to_string(s.size());
    out_ += ':';
    out_ += s;
    return *this;
  }
  Writer& Point(const std::optional<QPoint>& p) {
    if (!p) return Int(0);
    return Int(1).Int(p->x()).Int(p->y());
  }
  Writer& Rect(const QRect& r) { return Int(r.x()).Int(r.y()).Int(r.width()).Int(r.height()); }
  Writer& Line() {
    out_ += '\n';
    fresh_ = true;
    return *this;
  }
  std::string Take() { return std::move(out_); }

 private:
  void Separate() {
    if (!fresh_) out_ += ' ';
    fresh_ = false;
  }
  std::string out_;
  bool fresh_ = true;
};

// Reads what Writer writes. The first fault is kept; every read after it fails too, so callers
// check once at the end of a part.
class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  bool Word(std::string_view word) {
    const std::string_view got = Token();
    if (!failed_ && got != word) Fail("expected '" + std::string(word) + "'");
    return !failed_;
  }
  long long Int(long long lowest, long long highest) {
    const std::string_view token = Token();
    if (failed_) return 0;
    long long v = 0;
    const auto [end, ec] = std::from_chars(token.data(), token.data() + token.size(), v);
    if (ec != std::errc() || end != token.data() + token.size()) return Fail("a number was expected"), 0;
    if (v < lowest || v > highest) return Fail("a number out of range"), 0;
    return v;
  }
  int Coordinate() { return static_cast<int>(Int(INT_MIN, INT_MAX)); }
  // A count of items that each take at least `least` bytes of what is left: a count the text
  // cannot hold is a fault before anything is reserved for it.
  size_t Count(size_t least) {
    const long long n = Int(0, INT_MAX);
    if (!failed_ && static_cast<unsigned long long>(n) > (text_.size() - pos_) / least) Fail("a count larger than the text");
    return failed_ ? 0 : static_cast<size_t>(n);
  }
  std::string Str() {
    Skip();
    const size_t colon = text_.find(':', pos_);
    if (failed_ || colon == std::string_view::npos || colon == pos_ || colon - pos_ > 10) return Fail("a string was expected"), "";
    size_t length = 0;
    const auto [end, ec] = std::from_chars(text_.data() + pos_, text_.data() + colon, length);
    if (ec != std::errc() || end != text_.data() + colon) return Fail("a string was expected"), "";
    if (length > text_.size() - colon - 1) return Fail("a string longer than the text"), "";
    std::string s(text_.substr(colon + 1, length));
    pos_ = colon + 1 + length;
    if (pos_ < text_.size() && text_[pos_] != ' ' && text_[pos_] != '\n') Fail("a string runs on");
    return s;
  }
  std::optional<QPoint> Point() {
    if (Int(0, 1) == 0) return std::nullopt;
    const int x = Coordinate(), y = Coordinate();
    return QPoint(x, y);
  }
  QRect Rect() {
    const int x = Coordinate(), y = Coordinate();
    const int w = static_cast<int>(Int(0, INT_MAX)), h = static_cast<int>(Int(0, INT_MAX));
    return QRect(x, y, w, h);
  }
  // The end word and nothing after it but blanks.
  bool End() {
    if (!Word(kEnd)) return false;
    Skip();
    if (pos_ != text_.size()) Fail("more text after the end");
    return !failed_;
  }
  bool failed() const { return failed_; }
  const std::string& error() const { return error_; }

 private:
  void Skip() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\n')) ++pos_;
  }
  std::string_view Token() {
    Skip();
    if (failed_) return {};
    if (pos_ == text_.size()) return Fail("the text ends early"), std::string_view();
    const size_t start = pos_;
    while (pos_ < text_.size() && text_[pos_] != ' ' && text_[pos_] != '\n') ++pos_;
    return text_.substr(start, pos_ - start);
  }
  void Fail(const std::string& why) {
    if (failed_) return;
    failed_ = true;
    error_ = why + " at byte " + std::to_string(pos_);
  }
  std::string_view text_;
  size_t pos_ = 0;
  bool failed_ = false;
  std::string error_;
};

// The header is two words ("KLAYOUT 1").
bool Header(Reader& in, std::string_view header) {
  const size_t space = header.find(' ');
  return in.Word(header.substr(0, space)) && in.Word(header.substr(space + 1));
}

template <class T>
std::optional<T> Done(const Reader& in, T value, std::string* error) {
  if (!in.failed()) return value;
  if (error) *error = in.error();
  return std::nullopt;
}

}  // namespace

graph::Graph LayoutPart(const graph::Graph& g) {
  graph::Graph part;
  part.direction = g.direction;
  part.nodes.reserve(g.nodes.size());
  for (const graph::Node& n : g.nodes) {
    graph::Node kept;
    kept.shape = n.shape;
    kept.width = n.width;
    kept.height = n.height;
    part.nodes.push_back(std::move(kept));
  }
  part.edges.reserve(g.edges.size());
  for (const graph::Edge& e : g.edges) {
    graph::Edge kept;
    kept.from = e.from;
    kept.to = e.to;
    kept.directed = e.directed;
    kept.label = e.label;
    part.edges.push_back(std::move(kept));
  }
  part.clusters.reserve(g.clusters.size());
  for (const graph::Cluster& c : g.clusters) {
    graph::Cluster kept;
    kept.parent = c.parent;
    kept.nodes = c.nodes;
    kept.titleWidth = c.titleWidth;
    kept.titleHeight = c.titleHeight;
    part.clusters.push_back(std::move(kept));
  }
  return part;
}

std::string EncodeRequest(const Request& r) {
  Writer out;
  out.Word(kRequestHeader).Line();
  out.Word("D").Int(static_cast<int>(r.direction)).Line();
  out.Word("O").Int(r.options.origin.x()).Int(r.options.origin.y()).Line();
  out.Word("S").Int(r.options.nodeSpacing).Int(r.options.rankSpacing).Line();
  out.Word("E").Str(r.options.engine).Line();
  out.Word("N").Int(static_cast<long long>(r.graph.nodes.size())).Line();
  for (const graph::Node& n : r.graph.nodes) out.Int(static_cast<int>(n.shape)).Int(n.width).Int(n.height).Line();
  out.Word("L").Int(static_cast<long long>(r.graph.edges.size())).Line();
  for (const graph::Edge& e : r.graph.edges) out.Int(e.from).Int(e.to).Int(e.directed ? 1 : 0).Str(e.label).Line();
  out.Word("C").Int(static_cast<long long>(r.graph.clusters.size())).Line();
  for (const graph::Cluster& c : r.graph.clusters) {
    out.Int(c.parent).Int(c.titleWidth).Int(c.titleHeight).Int(static_cast<long long>(c.nodes.size()));
    for (int n : c.nodes) out.Int(n);
    out.Line();
  }
  out.Word(kEnd).Line();
  return out.Take();
}

std::optional<Request> DecodeRequest(std::string_view text, std::string* error) {
  Reader in(text);
  Request r;
  Header(in, kRequestHeader);
  in.Word("D");
  r.direction = static_cast<graph::Direction>(in.Int(0, 3));
  r.graph.direction = r.direction;
  in.Word("O");
  const int x = in.Coordinate(), y = in.Coordinate();
  r.options.origin = QPoint(x, y);
  in.Word("S");
  r.options.nodeSpacing = in.Coordinate();
  r.options.rankSpacing = in.Coordinate();
  in.Word("E");
  r.options.engine = in.Str();
  in.Word("N");
  const size_t nodes = in.Count(6);  // "0 0 0\n"
  r.graph.nodes.resize(nodes);
  for (graph::Node& n : r.graph.nodes) {
    n.shape = static_cast<graph::Shape>(in.Int(0, static_cast<int>(graph::Shape::Rectangle)));
    n.width = in.Coordinate();
    n.height = in.Coordinate();
  }
  in.Word("L");
  const size_t edges = in.Count(9);  // "0 0 1 0:\n"
  r.graph.edges.resize(edges);
  for (graph::Edge& e : r.graph.edges) {
    e.from = in.Coordinate();
    e.to = in.Coordinate();
    e.directed = in.Int(0, 1) == 1;
    e.label = in.Str();
  }
  in.Word("C");
  r.graph.clusters.resize(in.Count(8));  // "-1 0 0 0\n"
  for (graph::Cluster& c : r.graph.clusters) {
    c.parent = static_cast<int>(in.Int(-1, INT_MAX));
    c.titleWidth = in.Coordinate();
    c.titleHeight = in.Coordinate();
    c.nodes.resize(in.Count(2));  // "0 "
    for (int& n : c.nodes) n = in.Coordinate();
  }
  in.End();
  return Done(in, std::move(r), error);
}

std::string EncodeAnswer(const graph::LayoutResult& r) {
  Writer out;
  out.Word(kAnswerHeader).Line();
  out.Word("B").Rect(r.bounds).Line();
  out.Word("N").Int(static_cast<long long>(r.nodes.size())).Line();
  for (const QRect& box : r.nodes) out.Rect(box).Line();
  out.Word("K").Int(static_cast<long long>(r.clusters.size())).Line();
  for (const QRect& box : r.clusters) out.Rect(box).Line();
  out.Word("R").Int(static_cast<long long>(r.edges.size())).Line();
  for (const graph::Route& route : r.edges) {
    out.Int(static_cast<long long>(route.points.size()));
    for (const QPoint& p : route.points) out.Int(p.x()).Int(p.y());
    out.Point(route.tailTip).Point(route.headTip).Point(route.label).Line();
  }
  out.Word("W").Int(static_cast<long long>(r.warnings.size())).Line();
  for (const std::string& w : r.warnings) out.Str(w).Line();
  out.Word("X").Int(static_cast<int>(r.stop)).Str(r.error).Line();
  out.Word(kEnd).Line();
  return out.Take();
}

std::optional<graph::LayoutResult> DecodeAnswer(std::string_view text, std::string* error) {
  Reader in(text);
  graph::LayoutResult r;
  Header(in, kAnswerHeader);
  in.Word("B");
  r.bounds = in.Rect();
  in.Word("N");
  r.nodes.resize(in.Count(8));  // "0 0 0 0\n"
  for (QRect& box : r.nodes) box = in.Rect();
  in.Word("K");
  r.clusters.resize(in.Count(8));
  for (QRect& box : r.clusters) box = in.Rect();
  in.Word("R");
  r.edges.resize(in.Count(8));  // "0 0 0 0\n"
  for (graph::Route& route : r.edges) {
    route.points.resize(in.Count(4));  // "0 0 "
    for (QPoint& p : route.points) {
      const int x = in.Coordinate(), y = in.Coordinate();
      p = QPoint(x, y);
    }
    route.tailTip = in.Point();
    route.headTip = in.Point();
    route.label = in.Point();
  }
  in.Word("W");
  r.warnings.resize(in.Count(3));  // "0:\n"
  for (std::string& w : r.warnings) w = in.Str();
  in.Word("X");
  r.stop = static_cast<graph::LayoutStop>(in.Int(0, static_cast<int>(graph::LayoutStop::Unavailable)));
  r.error = in.Str();
  in.End();
  return Done(in, std::move(r), error);
}

}  // namespace layoutproc

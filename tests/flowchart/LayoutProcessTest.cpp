// Layouts in the layout program: the same boxes and routes as in this process, and every way a
// layout can end badly (a crash, a kill, a limit of size, time, memory or stack, a cancel, a
// broken answer, no program) is a result that says what happened, never a crash of the caller.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <atomic>
#include <string_view>
#include <thread>

#include <unistd.h>

#include "AddressSanitizer.h"
#include "FakeLayoutProgram.h"
#include "Layout.h"
#include "LayoutClient.h"

namespace {

using graph::Direction;
using graph::LayoutStop;

graph::Graph Chain(int nodes, const char* label = "") {
  graph::Graph g;
  for (int i = 0; i < nodes; ++i) {
    graph::Node n;
    n.width = 120;
    n.height = 60;
    g.nodes.push_back(n);
  }
  for (int i = 0; i + 1 < nodes; ++i) {
    graph::Edge e;
    e.from = i;
    e.to = i + 1;
    e.label = label;
    g.edges.push_back(e);
  }
  return g;
}

graph::Edge E(int from, int to, bool directed = true) {
  graph::Edge e;
  e.from = from;
  e.to = to;
  e.directed = directed;
  return e;
}

// A decision with a loop, a label and an undirected edge.
graph::Graph Small() {
  graph::Graph g = Chain(3, "yes");
  g.nodes[1].shape = graph::Shape::Decision;
  g.edges.push_back(E(2, 2));
  g.edges.push_back(E(0, 2, false));
  return g;
}

class LayoutProcessTest : public testing::Test {
 protected:
  void TearDown() override { layoutproc::SetProgram({}); }
};

TEST_F(LayoutProcessTest, GivesWhatTheLayoutGivesInProcess) {
  ASSERT_FALSE(layoutproc::FindProgram().isEmpty()) << "kedrin-layout is not beside the test program";
  graph::LayoutOptions options;
  options.origin = QPoint(20, -30);
  const graph::LayoutResult here = graph::LayoutInProcess(Small(), Direction::LeftToRight, options);
  layoutproc::ChildLayout child;
  const graph::LayoutResult there = child.Run(Small(), Direction::LeftToRight, options);
  ASSERT_TRUE(there.ok()) << there.error;
  EXPECT_EQ(there.stop, LayoutStop::None);
  EXPECT_EQ(there.nodes, here.nodes);
  EXPECT_EQ(there.bounds, here.bounds);
  ASSERT_EQ(there.edges.size(), here.edges.size());
  for (size_t k = 0; k < here.edges.size(); ++k) {
    EXPECT_EQ(there.edges[k].points, here.edges[k].points) << k;
    EXPECT_EQ(there.edges[k].headTip, here.edges[k].headTip) << k;
    EXPECT_EQ(there.edges[k].label, here.edges[k].label) << k;
  }
  // Graphviz's own reason comes back as it is, not as a stop.
  options.engine = "nosuch";
  const graph::LayoutResult unknown = child.Run(Small(), Direction::TopToBottom, options);
  EXPECT_EQ(unknown.stop, LayoutStop::None);
  EXPECT_EQ(unknown.error.rfind("Layout type: \"nosuch\" not recognized", 0), 0u) << unknown.error;
}

struct EndCase {
  const char* name;
  const char* script;  // a stand-in for the program (FakeLayoutProgram), or null for the real one
  int shapes;  // of the chain laid out, built when the test runs: not in every test's start-up
  layoutproc::Limits limits;
  LayoutStop stop;
  const char* error;  // the whole message, or how it starts when it ends in "..."
};
void PrintTo(const EndCase& c, std::ostream* os) { *os << c.name; }

layoutproc::Limits Limited(int shapes, int connectors, int seconds = 30, int memory = 2048, int stack = 256) {
  layoutproc::Limits l;
  l.maxShapes = shapes;
  l.maxConnectors = connectors;
  l.seconds = seconds;
  l.memoryMegabytes = memory;
  l.stackMegabytes = stack;
  l.shapesSetting = "layout/maxShapes";
  return l;
}

class LayoutProcessEnd : public LayoutProcessTest, public testing::WithParamInterface<EndCase> {};

TEST_P(LayoutProcessEnd, SaysWhatHappened) {
  const EndCase& c = GetParam();
#ifdef KEDRIN_ADDRESS_SANITIZER
  // The sanitizer's shadow memory takes the address space a memory limit bounds, and its own
  // fault handling the overflow of a small stack.
  if (std::string_view(c.name).starts_with("PastThe") && !c.script)
    GTEST_SKIP() << "memory and stack limits are not kept under AddressSanitizer";
#endif
  QTemporaryDir dir;
  if (c.script) layoutproc::SetProgram(charttest::FakeLayoutProgram(dir, c.script));
  layoutproc::ChildLayout child(c.limits);
  const graph::LayoutResult r = child.Run(Chain(c.shapes), Direction::TopToBottom, {});
  EXPECT_EQ(r.stop, c.stop) << r.error;
  EXPECT_EQ(child.LastStop(), c.stop);
  const std::string expected = c.error;
  if (expected.ends_with("..."))
    EXPECT_EQ(r.error.rfind(expected.substr(0, expected.size() - 3), 0), 0u) << r.error;
  else
    EXPECT_EQ(r.error, expected);
  EXPECT_TRUE(r.nodes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Ends, LayoutProcessEnd,
    testing::Values(
        EndCase{"KilledMidLayout", "head -c 10 > /dev/null; kill -KILL $$", 3, {}, LayoutStop::Crashed,
                "the layout stopped: the layout program crashed (Killed) on a chart of 3 shapes and 2 connectors"},
        EndCase{"Crashed", "cat > /dev/null; kill -SEGV $$", 1, {}, LayoutStop::Crashed,
                "the layout stopped: the layout program crashed (Segmentation fault) on a chart of 1 shape and 0 connectors"},
        EndCase{"EndedWithAnotherStatus", "cat > /dev/null; exit 9", 2, {}, LayoutStop::Crashed,
                "the layout stopped: the layout program ended with status 9 on a chart of 2 shapes and 1 connector"},
        EndCase{"AnAnswerCutShort", "cat > /dev/null; printf 'KLAYOUT-ANSWER 1\\nB 0 0 '", 2, {},
                LayoutStop::Unavailable, "the layout stopped: the layout program's answer cannot be read: the text ends early..."},
        EndCase{"AnAnswerForAnotherChart", "cat > /dev/null; printf 'KLAYOUT-ANSWER 1\\nB 0 0 0 0\\nN 0\\nK 0\\nR 0\\nW 0\\nX 0 0:\\nEND\\n'",
                2, {}, LayoutStop::Unavailable, "the layout stopped: the layout program's answer does not match the chart"},
        EndCase{"PastTheTimeLimit", "cat > /dev/null; exec sleep 30", 2, Limited(10, 10, 1), LayoutStop::TooLong,
                "the layout stopped: the chart took longer than the 1 second the layout may take"},
        EndCase{"PastTheProcessorTimeLimit", "cat > /dev/null; exit 5", 2, Limited(10, 10, 3), LayoutStop::TooLong,
                "the layout stopped: the chart took longer than the 3 seconds the layout may take"},
        EndCase{"NoProgram", "", 2, {}, LayoutStop::Unavailable, "the layout program ..."},
        // The real program under real limits.
        EndCase{"PastTheMemoryLimit", nullptr, 20000, Limited(30000, 30000, 30, 100), LayoutStop::OutOfMemory,
                "the layout stopped: the chart is too large for the 100 MB of memory the layout may use"},
        EndCase{"PastTheStackLimit", nullptr, 20000, Limited(30000, 30000, 30, 2048, 1), LayoutStop::TooDeep,
                "the layout stopped: the chart is too deep for the 1 MB of stack the layout may use"},
        // Refused before any work: the chain that overflowed Graphviz's stack in the editor.
        EndCase{"MoreShapesThanTheLimit", nullptr, 200001, Limited(5000, 300000), LayoutStop::Refused,
                "the chart is too large for automatic layout: 200,001 shapes, above the limit of 5,000 (setting layout/maxShapes)"},
        EndCase{"MoreConnectorsThanTheLimit", nullptr, 4, Limited(10, 2), LayoutStop::Refused,
                "the chart is too large for automatic layout: 3 connectors, above the limit of 2"}),
    [](const testing::TestParamInfo<EndCase>& info) { return std::string(info.param.name); });

TEST_F(LayoutProcessTest, ACancelKillsTheLayout) {
  QTemporaryDir dir;
  layoutproc::SetProgram(charttest::FakeLayoutProgram(dir, "cat > /dev/null; exec sleep 30"));
  std::atomic<bool> cancelled{false};
  layoutproc::ChildLayout child(Limited(10, 10, 20), &cancelled);
  std::thread user([&cancelled] {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    cancelled = true;
  });
  const graph::LayoutResult r = child.Run(Chain(2), Direction::TopToBottom, {});
  user.join();
  EXPECT_EQ(r.stop, LayoutStop::Cancelled);
  EXPECT_EQ(r.error, "the layout was cancelled");
}

// A descriptor the caller holds without close-on-exec (one inherited, say) does not reach the
// child, where it would keep a pipe open past its writer's end.
TEST_F(LayoutProcessTest, TheChildHoldsNoDescriptorOfTheCaller) {
  int ends[2];
  ASSERT_EQ(pipe(ends), 0);
  QTemporaryDir dir;
  const std::string script = "cat > /dev/null; test -e /proc/$$/fd/" + std::to_string(ends[1]) + " && exit 9; exit 7";
  layoutproc::SetProgram(charttest::FakeLayoutProgram(dir, script.c_str()));
  const graph::LayoutResult r = layoutproc::ChildLayout().Run(Chain(2), Direction::TopToBottom, {});
  close(ends[0]);
  close(ends[1]);
  EXPECT_EQ(r.error, "the layout stopped: the layout program ended with status 7 on a chart of 2 shapes and 1 connector");
}

// What is wrong with the graph itself is said as the layout in process says it, naming the node
// by the id the layout program never sees.
TEST_F(LayoutProcessTest, AnInvalidGraphIsTheLayoutsOwnReason) {
  graph::Graph g = Chain(2);
  g.nodes[1].id = "big";
  g.nodes[1].width = 150000;
  layoutproc::ChildLayout child;
  const graph::LayoutResult r = child.Run(g, Direction::TopToBottom, {});
  EXPECT_EQ(r.stop, LayoutStop::None);
  EXPECT_EQ(r.error, "node 2 ('big') has the size 150000 x 60, outside 0 to 100000");
}

}  // namespace

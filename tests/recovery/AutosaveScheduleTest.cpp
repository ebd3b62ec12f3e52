#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "AutosaveSchedule.h"

namespace {

enum class Op { Change, Take, Fail, Postpone, Clear, Delay };
struct Step {
  Op op;
  int64_t at;  // the time, or the new delay for Op::Delay
};
struct Case {
  const char* name;
  std::vector<Step> steps;
  std::optional<int64_t> due;  // with a delay of 5000 ms unless a step changes it
};
void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class ScheduleCase : public ::testing::TestWithParam<Case> {};

TEST_P(ScheduleCase, DueTime) {
  AutosaveSchedule schedule(5000);
  for (const Step& s : GetParam().steps) {
    switch (s.op) {
      case Op::Change: schedule.Changed(s.at); break;
      case Op::Take: schedule.Taken(s.at); break;
      case Op::Fail: schedule.Failed(); break;
      case Op::Postpone: schedule.PostponeUntil(s.at); break;
      case Op::Clear: schedule.Clear(); break;
      case Op::Delay: schedule.SetDelay(s.at); break;
    }
  }
  EXPECT_EQ(schedule.Due(), GetParam().due);
}

INSTANTIATE_TEST_SUITE_P(
    Autosave, ScheduleCase,
    ::testing::Values(
        Case{"NothingChanged", {}, std::nullopt},
        Case{"OneEditIsCopiedADelayLater", {{Op::Change, 1000}}, 6000},
        Case{"ABurstCostsOneCopyADelayAfterItsFirstEdit",
             {{Op::Change, 1000}, {Op::Change, 2000}, {Op::Change, 5900}}, 6000},
        Case{"EverythingCopied", {{Op::Change, 1000}, {Op::Take, 6000}}, std::nullopt},
        Case{"AnEditLongAfterTheLastCopy", {{Op::Change, 0}, {Op::Take, 5000}, {Op::Change, 60000}}, 65000},
        Case{"AnEditRightAfterACopyWaitsAFullDelay",
             {{Op::Change, 0}, {Op::Take, 5000}, {Op::Change, 5100}}, 10100},
        Case{"AnEditMadeWhileTheCopyIsWrittenIsNotInIt",
             {{Op::Change, 0}, {Op::Take, 5000}, {Op::Change, 5000}}, 10000},
        Case{"AFailedCopyIsTriedAgainADelayAfterTheAttempt",
             {{Op::Change, 0}, {Op::Take, 5000}, {Op::Fail, 0}}, 10000},
        Case{"AFailedCopyKeepsTheOldestEditPending",
             {{Op::Change, 1000}, {Op::Take, 8000}, {Op::Change, 9000}, {Op::Fail, 0}}, 13000},
        Case{"AFailureAfterTheDocumentWasSavedChangesNothing",
             {{Op::Change, 0}, {Op::Take, 5000}, {Op::Clear, 0}, {Op::Fail, 0}}, std::nullopt},
        Case{"ADragPostponesTheCopy", {{Op::Change, 0}, {Op::Postpone, 5250}}, 5250},
        Case{"APostponementBeforeTheDueTimeChangesNothing", {{Op::Change, 0}, {Op::Postpone, 3000}}, 5000},
        Case{"APostponementEndsWithTheCopy",
             {{Op::Change, 0}, {Op::Postpone, 9000}, {Op::Take, 9000}, {Op::Change, 9500}}, 14500},
        Case{"SavedDocumentHasNothingPending", {{Op::Change, 0}, {Op::Clear, 0}}, std::nullopt},
        Case{"AfterASaveTheNextEditStillWaitsForTheLastCopy",
             {{Op::Change, 0}, {Op::Take, 5000}, {Op::Clear, 0}, {Op::Change, 6000}}, 11000},
        Case{"AShorterDelayAppliesToThePendingEdit", {{Op::Change, 1000}, {Op::Delay, 2000}}, 3000}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

// Steady work, an edit every second: a copy every delay or so, never one per edit, and no edit
// waits longer than the delay for its copy.
TEST(AutosaveSchedule, SteadyWorkIsCopiedOncePerDelay) {
  AutosaveSchedule schedule(5000);
  std::vector<int64_t> taken;
  int64_t oldestPending = -1;
  int64_t longestWait = 0;
  for (int64_t t = 0; t <= 20000; t += 100) {
    if (t % 1000 == 500) {
      schedule.Changed(t);
      if (oldestPending < 0) oldestPending = t;
    }
    if (schedule.Due() && *schedule.Due() <= t) {
      schedule.Taken(t);
      taken.push_back(t);
      longestWait = std::max(longestWait, t - oldestPending);
      oldestPending = -1;
    }
  }
  EXPECT_EQ(taken, (std::vector<int64_t>{5500, 11500, 17500}));
  EXPECT_EQ(longestWait, 5000);
}

}  // namespace

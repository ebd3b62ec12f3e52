#include <gtest/gtest.h>

#include <QStringList>

#include "Finder.h"

namespace {

using find::FindOptions;
using find::Hit;

std::vector<find::DiagramText> Texts(const QStringList& list) {
  std::vector<find::DiagramText> texts;
  for (qsizetype i = 0; i < list.size(); ++i) texts.push_back({uint64_t(11 + i), list[i]});
  return texts;
}

struct FindCase {
  const char* name;
  QStringList texts;
  QString pattern;
  FindOptions options;
  std::vector<Hit> hits;
};

class FindTable : public testing::TestWithParam<FindCase> {};

TEST_P(FindTable, HitsInOrder) {
  const FindCase& c = GetParam();
  EXPECT_EQ(find::FindAll(Texts(c.texts), find::TextMatcher(c.pattern, c.options)), c.hits);
}

const QStringList kPay = {"Pay the bill", "Paid?", "Send reminder: pay now", "repay", "PAYMENT"};
constexpr FindOptions kAny{}, kCase{true, false}, kWord{false, true}, kBoth{true, true};

INSTANTIATE_TEST_SUITE_P(
    Table, FindTable,
    testing::Values(FindCase{"AnyCase", kPay, "pay", kAny, {{0, 0, 3}, {2, 15, 3}, {3, 2, 3}, {4, 0, 3}}},
                    FindCase{"MatchCase", kPay, "pay", kCase, {{2, 15, 3}, {3, 2, 3}}},
                    FindCase{"WholeWord", kPay, "pay", kWord, {{0, 0, 3}, {2, 15, 3}}},
                    FindCase{"MatchCaseWholeWord", kPay, "pay", kBoth, {{2, 15, 3}}},
                    FindCase{"UmlautsFoldCase", {"ÄRGER und Ärger"}, "ärger", kAny, {{0, 0, 5}, {0, 10, 5}}},
                    FindCase{"SigmaFoldsAllThree", {"ΣΟΦΟΣ σοφος"}, "σ", kAny, {{0, 0, 1}, {0, 4, 1}, {0, 6, 1}, {0, 10, 1}}},
                    FindCase{"SharpSIsInTheWord", {"Straßen Straße"}, "Straße", kWord, {{0, 8, 6}}},
                    FindCase{"WordEndingInSigns", {"C++ and C++x"}, "C++", kWord, {{0, 0, 3}}},
                    FindCase{"CombiningMarkEndsNoWord", {"cafe\u0301 cafe"}, "cafe", kWord, {{0, 6, 4}}},
                    FindCase{"PatternIsLiteral", {"a.b axb"}, "a.b", kAny, {{0, 0, 3}}},
                    FindCase{"NoOverlaps", {"aaaa"}, "aa", kAny, {{0, 0, 2}, {0, 2, 2}}},
                    FindCase{"EmptyPatternFindsNothing", kPay, "", kAny, {}}),
    [](const auto& info) { return std::string(info.param.name); });

struct StepCase {
  const char* name;
  bool backward;
  find::Place from;
  std::optional<size_t> hit;
  bool wrapped;
};

class StepTable : public testing::TestWithParam<StepCase> {};

TEST_P(StepTable, NextAndPreviousWrapAround) {
  const std::vector<Hit> hits = {{0, 0, 2}, {0, 5, 2}, {2, 1, 2}, {4, 0, 2}};
  const StepCase& c = GetParam();
  const auto step = c.backward ? find::PreviousHit(hits, c.from) : find::NextHit(hits, c.from);
  ASSERT_EQ(step.has_value(), c.hit.has_value());
  if (!step) return;
  EXPECT_EQ(step->hit, *c.hit);
  EXPECT_EQ(step->wrapped, c.wrapped);
}

INSTANTIATE_TEST_SUITE_P(Table, StepTable,
                         testing::Values(StepCase{"NextInTheSameText", false, {0, 0}, 1, false},
                                         StepCase{"NextInALaterText", false, {0, 5}, 2, false},
                                         StepCase{"NextWrapsToTheFirst", false, {4, 0}, 0, true},
                                         StepCase{"NextFromATextsStart", false, find::BeforeText(0), 0, false},
                                         StepCase{"NextFromATextWithout", false, find::BeforeText(3), 3, false},
                                         StepCase{"PreviousInTheSameText", true, {0, 5}, 0, false},
                                         StepCase{"PreviousWrapsToTheLast", true, {0, 0}, 3, true},
                                         StepCase{"PreviousFromAText", true, {3, 0}, 2, false},
                                         StepCase{"PreviousBeforeAText", true, find::BeforeText(2), 1, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StepTable, NoHitsNoStep) {
  EXPECT_FALSE(find::NextHit({}, {0, 0}));
  EXPECT_FALSE(find::PreviousHit({}, {0, 0}));
}

struct ReplaceAllCase {
  const char* name;
  QStringList texts;
  QString pattern;
  FindOptions options;
  QString with;
  std::vector<find::Replacement> changed;
  int count;
};

class ReplaceAllTable : public testing::TestWithParam<ReplaceAllCase> {};

TEST_P(ReplaceAllTable, NewTextsAndCount) {
  const ReplaceAllCase& c = GetParam();
  const find::ReplaceAllResult r = find::ReplaceAll(Texts(c.texts), find::TextMatcher(c.pattern, c.options), c.with);
  EXPECT_EQ(r.texts, c.changed);
  EXPECT_EQ(r.count, c.count);
}

const QStringList kBills = {"Pay the bill", "repay", "PAY pay", "none"};

INSTANTIATE_TEST_SUITE_P(
    Table, ReplaceAllTable,
    testing::Values(
        ReplaceAllCase{"AnyCase", kBills, "pay", kAny, "charge",
                       {{11, "charge the bill"}, {12, "recharge"}, {13, "charge charge"}}, 4},
        ReplaceAllCase{"WholeWord", kBills, "pay", kWord, "charge", {{11, "charge the bill"}, {13, "charge charge"}}, 3},
        ReplaceAllCase{"MatchCase", kBills, "pay", kCase, "charge", {{12, "recharge"}, {13, "PAY charge"}}, 2},
        // Every hit counts; a text that stays as it was is not given back.
        ReplaceAllCase{"SameTextCounts", kBills, "pay", kAny, "pay", {{11, "pay the bill"}, {13, "pay pay"}}, 4},
        ReplaceAllCase{"ReplacementNotSearchedAgain", {"banana"}, "a", kAny, "aa", {{11, "baanaanaa"}}, 3},
        ReplaceAllCase{"EmptyPatternReplacesNothing", kBills, "", kAny, "x", {}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct ReplaceHitCase {
  const char* name;
  QStringList texts;
  FindOptions options;
  Hit hit;
  std::optional<find::Replacement> result;
};

class ReplaceHitTable : public testing::TestWithParam<ReplaceHitCase> {};

TEST_P(ReplaceHitTable, OnlyWhereItStillMatches) {
  const ReplaceHitCase& c = GetParam();
  EXPECT_EQ(find::ReplaceHit(Texts(c.texts), c.hit, find::TextMatcher("pay", c.options), "charge"), c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReplaceHitTable,
    testing::Values(ReplaceHitCase{"TheHit", kBills, kAny, {0, 0, 3}, find::Replacement{11, "charge the bill"}},
                    ReplaceHitCase{"InsideAWord", kBills, kAny, {1, 2, 3}, find::Replacement{12, "recharge"}},
                    ReplaceHitCase{"TextChangedThere", kBills, kAny, {0, 4, 3}, std::nullopt},
                    ReplaceHitCase{"NoLongerAWholeWord", kBills, kWord, {1, 2, 3}, std::nullopt},
                    ReplaceHitCase{"PastTheTextsEnd", kBills, kAny, {0, 10, 3}, std::nullopt},
                    ReplaceHitCase{"NoSuchText", kBills, kAny, {9, 0, 3}, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

#include <gtest/gtest.h>

#include <QPushButton>
#include <algorithm>
#include <QTreeWidget>

#include "RecoveryDialog.h"

namespace {

RecoverableDocument Doc(const char* title, const char* path, int figures, const char* problem = "") {
  // 10:15 in local time, as the list shows it.
  const QDateTime at(QDate(2024, 5, 1), QTime(10, 15, 30), Qt::LocalTime);
  return {QString::fromUtf8(title), {QString::fromUtf8(title), QString::fromUtf8(path), at.toUTC(), figures},
          QString::fromUtf8(problem)};
}

class RecoveryDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dialog.SetConfirmDiscard([this](QWidget*, int count) {
      asked.push_back(count);
      return answer;
    });
  }
  QStringList Row(int i) const {
    QStringList texts;
    for (int c = 0; c < 4; ++c) texts << dialog.List()->topLevelItem(i)->text(c);
    return texts;
  }
  void SelectOnly(int row) {
    dialog.List()->clearSelection();
    dialog.List()->topLevelItem(row)->setSelected(true);
  }

  RecoveryDialog dialog{{Doc("/home/ann/order-flow.kdl", "/home/ann/order-flow.kdl", 15),
                         Doc("Noname.kdl", "", 1), Doc("/home/ann/cut.kdl", "/home/ann/cut.kdl", 12, "Stream read error")}};
  std::vector<int> asked;
  bool answer = true;
};

TEST_F(RecoveryDialogTest, ListsEveryCopyWithTimeFiguresAndProblem) {
  ASSERT_EQ(dialog.List()->topLevelItemCount(), 3);
  EXPECT_EQ(Row(0), (QStringList{"/home/ann/order-flow.kdl", "2024-05-01 10:15:30", "15", ""}));
  EXPECT_EQ(Row(1), (QStringList{"Noname.kdl", "2024-05-01 10:15:30", "1", ""}));
  EXPECT_EQ(Row(2), (QStringList{"/home/ann/cut.kdl", "2024-05-01 10:15:30", "12", "Stream read error"}));
  EXPECT_FALSE(dialog.List()->isColumnHidden(3));
  EXPECT_EQ(dialog.List()->selectedItems().size(), 3);
}

TEST_F(RecoveryDialogTest, RecoverTakesEveryWholeCopyAndLeavesTheDamagedOne) {
  dialog.RecoverButton()->click();
  EXPECT_EQ(dialog.Choices(), (std::vector<RecoveryChoice>{RecoveryChoice::Recover, RecoveryChoice::Recover,
                                                           RecoveryChoice::Later}));
  ASSERT_EQ(dialog.List()->topLevelItemCount(), 1);
  EXPECT_EQ(dialog.List()->topLevelItem(0)->text(0), QStringLiteral("/home/ann/cut.kdl"));
  EXPECT_EQ(dialog.result(), QDialog::Rejected);  // still open

  SelectOnly(0);
  EXPECT_FALSE(dialog.RecoverButton()->isEnabled());
  dialog.DiscardButton()->click();
  EXPECT_EQ(asked, std::vector<int>{1});
  EXPECT_EQ(dialog.Choices()[2], RecoveryChoice::Discard);
  EXPECT_EQ(dialog.List()->topLevelItemCount(), 0);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(RecoveryDialogTest, DiscardOnlyAfterTheUserConfirms) {
  SelectOnly(1);
  answer = false;
  dialog.DiscardButton()->click();
  EXPECT_EQ(dialog.List()->topLevelItemCount(), 3);
  answer = true;
  dialog.DiscardButton()->click();
  EXPECT_EQ(asked, (std::vector<int>{1, 1}));
  EXPECT_EQ(dialog.Choices(), (std::vector<RecoveryChoice>{RecoveryChoice::Later, RecoveryChoice::Discard,
                                                           RecoveryChoice::Later}));
  EXPECT_EQ(dialog.List()->topLevelItemCount(), 2);
}

TEST_F(RecoveryDialogTest, LaterKeepsWhatIsUndecided) {
  SelectOnly(0);
  dialog.RecoverButton()->click();
  dialog.LaterButton()->click();
  EXPECT_EQ(dialog.Choices(), (std::vector<RecoveryChoice>{RecoveryChoice::Recover, RecoveryChoice::Later,
                                                           RecoveryChoice::Later}));
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_EQ(dialog.List()->topLevelItemCount(), 2);
}

// Copies are listed from their entries and read only as they are recovered: one that does not
// read whole stays, with the reader's message and the count read.
TEST_F(RecoveryDialogTest, ACopyIsReadAsItIsRecoveredAndStaysWhenDamaged) {
  std::vector<size_t> read;
  dialog.SetCheckCopy([&](size_t i) {
    read.push_back(i);
    return i == 1 ? Doc("Noname.kdl", "", 4, "Invalid stream format") : Doc("/home/ann/order-flow.kdl", "/home/ann/order-flow.kdl", 13);
  });
  dialog.RecoverButton()->click();
  std::sort(read.begin(), read.end());
  EXPECT_EQ(read, (std::vector<size_t>{0, 1}));  // never the copy known to be damaged
  EXPECT_EQ(dialog.Choices(), (std::vector<RecoveryChoice>{RecoveryChoice::Recover, RecoveryChoice::Later,
                                                           RecoveryChoice::Later}));
  ASSERT_EQ(dialog.List()->topLevelItemCount(), 2);
  EXPECT_EQ(Row(0), (QStringList{"Noname.kdl", "2024-05-01 10:15:30", "4", "Invalid stream format"}));
  SelectOnly(0);
  EXPECT_FALSE(dialog.RecoverButton()->isEnabled());

  // Without an entry the count is not known until the copy is read.
  RecoveryDialog unknown({Doc("Noname.kdl", "", RecoverableDocument::kUnknownFigures)});
  EXPECT_EQ(unknown.List()->topLevelItem(0)->text(2), QStringLiteral("?"));
  EXPECT_TRUE(unknown.List()->isColumnHidden(3));
}

}  // namespace

// A line keeps the course it was drawn with through save and reopen and through copy and paste.
#include "CanvasFixture.h"

namespace {

struct Drawn {
  const char* name;
  QPoint from, to;
  TArrowDirection course;
};

class LineCourseKept : public CanvasFixture, public ::testing::WithParamInterface<Drawn> {
 protected:
  TKDLine* DrawLine() {
    UseTool("btnLine");
    Drag(GetParam().from, GetParam().to);
    auto* line = LastFigure<TKDLine>();
    EXPECT_NE(line, nullptr);
    if (line) {
      EXPECT_EQ(line->Orientation(), GetParam().course);
    }
    return line;
  }
};

TEST_P(LineCourseKept, ThroughSaveAndReopen) {
  TKDLine* line = DrawLine();
  ASSERT_NE(line, nullptr);
  const QRect box = line->geometry();
  const QString path = Output(QStringLiteral("course-%1.kdl").arg(QLatin1String(GetParam().name)));
  ASSERT_TRUE(errors::RunCommand(nullptr, [&] { doc->SaveToFile(path); }));
  TwinKedrinFile* reopened = main->OpenFile(path);
  ASSERT_NE(reopened, nullptr);
  ASSERT_EQ(reopened->Figures().size(), 1u);
  auto* back = dynamic_cast<TKDLine*>(reopened->Figures().front());
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->Orientation(), GetParam().course);
  EXPECT_EQ(back->geometry(), box);
}

TEST_P(LineCourseKept, ThroughCopyAndPaste) {
  TKDLine* line = DrawLine();
  ASSERT_NE(line, nullptr);
  const QRect box = line->geometry();
  UseTool("btnSelect");
  Drag(box.topLeft() - QPoint(10, 10), box.bottomRight() + QPoint(10, 10));
  main->btnCopyClick();
  main->btnPasteClick();
  ASSERT_EQ(doc->Figures().size(), 2u);
  auto* copy = dynamic_cast<TKDLine*>(doc->Figures().back());
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->Orientation(), GetParam().course);
  EXPECT_EQ(copy->geometry(), box.translated(10, 10));
}

INSTANTIATE_TEST_SUITE_P(Courses, LineCourseKept,
                         ::testing::Values(Drawn{"falling", {100, 100}, {200, 150}, adTopToBottom},
                                           Drawn{"rising", {100, 150}, {200, 100}, adBottomToTop},
                                           Drawn{"horizontal", {100, 120}, {220, 120}, adTopToTop},
                                           Drawn{"vertical", {150, 100}, {150, 220}, adLeftToLeft}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

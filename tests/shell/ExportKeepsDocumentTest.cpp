// Exporting a picture leaves the document as it was: its name, its title and its changed state.
#include <QFile>
#include <QLineEdit>
#include <QUndoStack>

#include "ExportDialog.h"
#include "HistoryFixture.h"

namespace {

using ExportKeepsDocument = HistoryFixture;

TEST_F(ExportKeepsDocument, NameTitleAndModifiedStateStay) {
  auto* box = Add<TKDRectangle>(doc, QRect(40, 40, 80, 50));
  Add<TKDEllipse>(doc, QRect(200, 60, 60, 40));
  ASSERT_TRUE(doc->SaveToFile(Output("exported-from.kdl")));
  ClickFigure(box);
  Key(Qt::Key_Right);  // modified
  const QString title = doc->Title();
  const QString shown = testsupport::ShownTitle(SubOf(doc));
  ASSERT_TRUE(doc->Modified());
  for (const char* name : {"kept.png", "kept.svg", "kept.pdf", "kept.bmp", "kept.jpg"}) {
    const QString target = Output(QLatin1String(name));
    QFile::remove(target);
    const std::vector<TCustomKDTool*> figures = doc->Figures(), chosen = doc->SelectedFigures();
    std::vector<const TCustomKDTool*> all(figures.begin(), figures.end());
    std::vector<const TCustomKDTool*> selected(chosen.begin(), chosen.end());
    exporting::ExportDialog dialog(all, selected, doc->Title(), main);
    dialog.NameEdit()->setText(target);
    ASSERT_TRUE(dialog.ExportNow()) << name;
    EXPECT_TRUE(QFile::exists(target)) << name;
    EXPECT_EQ(doc->Title(), title) << name;
    EXPECT_EQ(testsupport::ShownTitle(SubOf(doc)), shown) << name;
    EXPECT_TRUE(doc->Modified()) << name;
    EXPECT_EQ(doc->UndoStack()->count(), 1) << name;
  }
}

}  // namespace

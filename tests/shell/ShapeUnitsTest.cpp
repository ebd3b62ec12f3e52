// A shape and its text are one (View > Keep Connectors and Labels Attached on): what a press on a
// text selects, and what Delete, Cut, Copy and Paste, Duplicate, the Arrange commands and the
// style controls do with a selection of shapes with texts and connectors, each undone byte for
// byte.
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "ArrangeSelection.h"
#include "ChartFixture.h"
#include "ComponentClipboard.h"
#include "Diagram.h"
#include "FigureTransfer.h"

namespace {

using ShapeUnits = ChartFixture;

TEST_F(ShapeUnits, APressOnTheTextSelectsAndDragsTheShape) {
  Drag(textA->geometry().center(), textA->geometry().center() + QPoint(0, -40));
  EXPECT_TRUE(A->HaveFocused());
  EXPECT_FALSE(textA->HaveFocused());
  EXPECT_EQ(A->BoundsRect(), QRect(100, 60, 120, 50));
  EXPECT_EQ(textA->BoundsRect(), QRect(110, 75, 100, 20));
  EXPECT_EQ(doc->UndoStack()->count(), 1);
  // The arrow's start went with A, and "yes" with the arrow's middle: 20 up.
  EXPECT_EQ(yes->BoundsRect(), QRect(166, 174, 24, 14));
  doc->Undo();
  EXPECT_EQ(textA->BoundsRect(), QRect(110, 115, 100, 20));
  EXPECT_EQ(yes->BoundsRect(), QRect(166, 194, 24, 14));
}

struct DeleteCase {
  const char* name;
  void (*run)(ShapeUnits&);
  const char* step;
};
void PrintTo(const DeleteCase& c, std::ostream* os) { *os << c.name; }

class Removing : public ChartFixture, public testing::WithParamInterface<DeleteCase> {};

TEST_P(Removing, TakesTheTextsAndTheConnectorsAlongInOneStep) {
  const std::vector<uint8_t> before = SaveBytes(doc);
  doc->SelectGroup({A, B});
  GetParam().run(*this);
  // A, B, their texts, both arrows and "yes" go; C and "note" stay.
  EXPECT_EQ(doc->Figures(), (std::vector<TCustomKDTool*>{C, note}));
  EXPECT_EQ(doc->UndoStack()->count(), 1);
  EXPECT_EQ(LastStep(), QString::fromUtf8(GetParam().step));
  doc->Undo();
  EXPECT_EQ(SaveBytes(doc), before);
  doc->Redo();
  EXPECT_EQ(doc->Figures().size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, Removing,
    testing::Values(DeleteCase{"DeleteKey", [](ShapeUnits& t) { t.Key(Qt::Key_Delete); }, "Delete 7 Figures"},
                    DeleteCase{"Cut", [](ShapeUnits& t) { t.main->btnCutClick(); }, "Cut 7 Figures"}),
    [](const testing::TestParamInfo<DeleteCase>& i) { return std::string(i.param.name); });

TEST_F(ShapeUnits, DeletingAnArrowTakesItsLabel) {
  ClickFigure(down);
  Key(Qt::Key_Delete);
  EXPECT_FALSE(Exists(down));
  EXPECT_FALSE(Exists(yes));
  EXPECT_TRUE(Exists(A));
  EXPECT_EQ(LastStep(), QStringLiteral("Delete 2 Figures"));
}

TEST_F(ShapeUnits, CopyCutAndDuplicateCarryTextsAndTheConnectorsBetween) {
  doc->SelectGroup({A, B});
  EXPECT_EQ(doc->CarriedFigures(), (std::vector<TCustomKDTool*>{A, textA, B, textB, down, yes}));
  // Through the model, as a new selection replaces the one in place.
  doc->FigureSet().Select({B, C});
  EXPECT_EQ(doc->CarriedFigures(), (std::vector<TCustomKDTool*>{B, textB, C, across}));
}

struct CopyCase {
  const char* name;
  void (*run)(ShapeUnits&);
  const char* step;
};
void PrintTo(const CopyCase& c, std::ostream* os) { *os << c.name; }
class Copying : public ChartFixture, public testing::WithParamInterface<CopyCase> {};

TEST_P(Copying, CopiesOfTheUnitsTenPixelsOff) {
  const std::vector<uint8_t> before = SaveBytes(doc);
  const std::vector<TCustomKDTool*> originals{A, textA, B, textB, down, yes};
  doc->SelectGroup({A, B});
  GetParam().run(*this);
  const std::vector<TCustomKDTool*> all = doc->Figures();
  ASSERT_EQ(all.size(), 15u);
  for (size_t i = 0; i < originals.size(); ++i) {
    TCustomKDTool* copy = all[9 + i];
    EXPECT_STREQ(copy->ClassName(), originals[i]->ClassName());
    EXPECT_EQ(copy->BoundsRect(), originals[i]->BoundsRect().translated(10, 10));
    EXPECT_EQ(copy->Caption(), originals[i]->Caption());
  }
  // The copies are selected as units: the shapes, the arrow and its label, no text alone.
  EXPECT_EQ(doc->SelectedFigures(), (std::vector<TCustomKDTool*>{all[9], all[11], all[13], all[14]}));
  EXPECT_EQ(LastStep(), QString::fromUtf8(GetParam().step));
  doc->Undo();
  EXPECT_EQ(SaveBytes(doc), before);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, Copying,
    testing::Values(CopyCase{"CopyAndPaste", [](ShapeUnits& t) { t.main->btnCopyClick(); t.main->btnPasteClick(); },
                             "Paste 6 Figures"},
                    CopyCase{"Duplicate", [](ShapeUnits& t) { t.Key(Qt::Key_D, Qt::ControlModifier); }, "Duplicate 6 Figures"},
                    CopyCase{"PasteOfTheCarriedRecords",
                             [](ShapeUnits& t) {
                               const QByteArray records = figuretransfer::Records(t.doc->CarriedFigures());
                               t.doc->PasteFigures(records);
                             },
                             "Paste 6 Figures"},
                    // What another document pastes: the system clipboard's records.
                    CopyCase{"PasteOfTheClipboardsRecords",
                             [](ShapeUnits& t) {
                               t.main->btnCopyClick();
                               const QMimeData* data = QGuiApplication::clipboard()->mimeData();
                               ASSERT_NE(data, nullptr);
                               t.doc->PasteFigures(data->data(QString::fromLatin1(componentclipboard::kMimeType)));
                             },
                             "Paste 6 Figures"}),
    [](const testing::TestParamInfo<CopyCase>& i) { return std::string(i.param.name); });

// Arrange: the shapes move, their texts and the arrows with their labels follow; texts and
// labels are never lined up themselves. The group A, B, C spans x 100 to 520: its centre 310.
struct ArrangeCase {
  const char* name;
  ArrangeCommand command;
  std::vector<QRect> shapes;  // A, B, C afterwards
};
void PrintTo(const ArrangeCase& c, std::ostream* os) { *os << c.name; }
class Arranging : public ChartFixture, public testing::WithParamInterface<ArrangeCase> {};

TEST_P(Arranging, ShapesMoveTextsRideAlong) {
  const std::vector<uint8_t> before = SaveBytes(doc);
  // The label keeps its place beside the arrow's middle, as the arrow's box shows it.
  const QPoint beside = yes->BoundsRect().topLeft() - down->BoundsRect().center();
  // A text and a label in the group: the command leaves them to follow.
  doc->SelectGroup({A, B, C, yes, textA});
  ASSERT_TRUE(ArrangeSelection(*doc, GetParam().command));
  const std::vector<QRect>& want = GetParam().shapes;
  EXPECT_EQ(A->BoundsRect(), want[0]);
  EXPECT_EQ(B->BoundsRect(), want[1]);
  EXPECT_EQ(C->BoundsRect(), want[2]);
  // Each text kept its place on its shape: centred on it as before.
  EXPECT_EQ(textA->BoundsRect().center() - A->BoundsRect().center(), QPoint(0, 0));
  EXPECT_EQ(textB->BoundsRect().center() - B->BoundsRect().center(), QPoint(0, 0));
  EXPECT_EQ(textA->BoundsRect().size(), QSize(100, 20));
  EXPECT_EQ(yes->BoundsRect().topLeft() - down->BoundsRect().center(), beside);
  EXPECT_EQ(doc->UndoStack()->count(), 1);
  doc->Undo();
  EXPECT_EQ(SaveBytes(doc), before);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, Arranging,
    testing::Values(ArrangeCase{"AlignCentre", ArrangeCommand::AlignCentre,
                                {{250, 100, 120, 50}, {250, 250, 120, 50}, {250, 240, 120, 70}}},
                    ArrangeCase{"AlignLeft", ArrangeCommand::AlignLeft,
                                {{100, 100, 120, 50}, {100, 250, 120, 50}, {100, 240, 120, 70}}},
                    ArrangeCase{"AlignTop", ArrangeCommand::AlignTop,
                                {{100, 100, 120, 50}, {100, 100, 120, 50}, {400, 100, 120, 70}}},
                    // By top: A (100), C (240), B (250, to 300); 30 of room between, gaps of 15.
                    ArrangeCase{"DistributeVertically", ArrangeCommand::DistributeVertically,
                                {{100, 100, 120, 50}, {100, 250, 120, 50}, {400, 165, 120, 70}}},
                    ArrangeCase{"MakeSameSize", ArrangeCommand::MakeSameSize,
                                {{100, 100, 120, 70}, {100, 250, 120, 70}, {400, 240, 120, 70}}}),
    [](const testing::TestParamInfo<ArrangeCase>& i) { return std::string(i.param.name); });

TEST_F(ShapeUnits, AConnectorsLabelIsNeverLinedUp) {
  doc->SelectGroup({A, yes});
  EXPECT_FALSE(ArrangeSelection(*doc, ArrangeCommand::AlignLeft)) << "one shape is nothing to align";
  EXPECT_EQ(yes->BoundsRect(), QRect(166, 194, 24, 14));
}

TEST_F(ShapeUnits, FillGoesToTheShapesFontToTheirTexts) {
  const std::vector<uint8_t> before = SaveBytes(doc);
  doc->SelectGroup({A, B});
  main->colorAnswer = clRed;
  main->BrushColorClick();
  EXPECT_EQ(A->FillColor(), clRed);
  EXPECT_EQ(B->FillColor(), clRed);
  EXPECT_NE(textA->FillColor(), clRed);
  EXPECT_NE(yes->FillColor(), clRed);
  TFontDesc font;
  font.name = "DejaVu Serif";
  font.height = -14;
  font.color = clBlue;
  main->fontAnswer = font;
  main->btnFontSetClick();
  EXPECT_EQ(textA->Font(), font);
  EXPECT_EQ(textB->Font(), font);
  EXPECT_NE(yes->Font(), font);
  EXPECT_EQ(doc->UndoStack()->count(), 2);
  doc->Undo();
  doc->Undo();
  EXPECT_EQ(SaveBytes(doc), before);
}

TEST_F(ShapeUnits, BringToFrontKeepsTheTextOnItsShape) {
  const std::vector<uint8_t> before = SaveBytes(doc);
  ClickFigure(B);
  doc->BringToFront1Click();
  const std::vector<TCustomKDTool*> all = doc->Figures();
  EXPECT_EQ(all[all.size() - 2], B);
  EXPECT_EQ(all.back(), textB);
  EXPECT_EQ(LastStep(), QStringLiteral("Bring to Front"));
  doc->SendToBack1Click();
  EXPECT_EQ(doc->Figures()[0], B);
  EXPECT_EQ(doc->Figures()[1], textB);
  EXPECT_EQ(doc->Figures()[2], A);
  doc->Undo();
  doc->Undo();
  // The records in the order they were, as a save writes them.
  EXPECT_EQ(SaveBytes(doc), before);
}

TEST_F(ShapeUnits, WithTheSwitchOffOnlyTheSelectionGoes) {
  ConnectorOptions::Instance().SetKeepAttached(false);
  doc->SelectGroup({A, B});
  Key(Qt::Key_Delete);
  EXPECT_EQ(doc->Figures(), (std::vector<TCustomKDTool*>{textA, textB, down, yes, C, across, note}));
  EXPECT_EQ(LastStep(), QStringLiteral("Delete 2 Figures"));
}

}  // namespace

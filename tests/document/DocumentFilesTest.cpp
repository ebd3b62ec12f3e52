#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cstring>

#include "DiagramFile.h"
#include "DocumentTestSupport.h"
#include "FigureSamples.h"
#include "StreamError.h"

namespace {

// A figure whose record cannot be completed: writing it fails partway through the file.
class UnwritableFigure final : public TCustomKDTool {
 public:
  const char* ClassName() const override { return "TKDProcess"; }
  std::span<const PropertyInfo> Properties() const override {
    static const PropertyInfo props[] = {
        {.name = "Left", .kind = PropKind::Integer, .stored = StoredRule::Always,
         .getOrdinal = [](const Persistent&) -> int64_t { throw EStreamError("Stream write error"); }},
    };
    return props;
  }
};


class DocumentFiles : public DocumentFixture {
 protected:
  QString Path(const QString& name) const { return dir_.filePath(name); }

  // The nine styled figures, adopted by the document in order.
  void AddNine() {
    for (auto& owned : NineStyledFigures()) {
      TCustomKDTool* f = owned.release();
      f->SetParentControl(doc->Surface());
      doc->WireFigure(f);
    }
  }
  void WriteFile(const QString& name, const std::vector<uint8_t>& bytes) {
    QFile f(Path(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
  }
  std::vector<std::vector<uint8_t>> DocumentRecords(TwinKedrinFile* d) {
    std::vector<const TCustomKDTool*> figures;
    for (TCustomKDTool* f : d->Figures()) figures.push_back(f);
    return Records(figures);
  }

  QTemporaryDir dir_;
};

TEST_F(DocumentFiles, SaveCloseReopenGivesTheSameFiguresInTheSameOrder) {
  AddNine();
  doc->SetModified(true);
  ASSERT_EQ(DocumentRecords(doc).size(), 9u);

  EXPECT_TRUE(doc->SaveToFile(Path("flow.kdl")));
  // One sample figure is selected and the file says so, but figures read from a file never come
  // selected: what reads back is the diagram with nothing selected.
  for (TCustomKDTool* f : doc->Figures()) f->SetHaveFocused(false);
  const std::vector<std::vector<uint8_t>> saved = DocumentRecords(doc);
  EXPECT_FALSE(doc->Modified());
  EXPECT_EQ(doc->Title(), Path("flow.kdl"));
  delete doc;

  doc = new TwinKedrinFile(&main);
  doc->SetTitle(QStringLiteral("Noname.kdl"));
  doc->show();
  doc->LoadFromFile(Path("flow.kdl"));
  EXPECT_EQ(doc->Title(), Path("flow.kdl"));
  EXPECT_FALSE(doc->Modified());
  const std::vector<TCustomKDTool*> figures = doc->Figures();
  ASSERT_EQ(figures.size(), 9u);
  EXPECT_EQ(DocumentRecords(doc), saved);
  EXPECT_NE(dynamic_cast<TKDLine*>(figures[8]), nullptr) << "the line reads back as a line";
  for (TCustomKDTool* f : figures) {
    EXPECT_TRUE(f->OnSeleComp && f->OnExit && f->OnMouseDown) << f->ClassName() << " is wired";
    EXPECT_TRUE(f->isVisible());
  }
  EXPECT_TRUE(doc->Surface()->updatesEnabled());
}

TEST_F(DocumentFiles, EmptyDiagramGivesAnEmptyFileThatOpensUnderItsOwnName) {
  EXPECT_TRUE(doc->SaveToFile(Path("empty.kdl")));
  EXPECT_EQ(QFileInfo(Path("empty.kdl")).size(), 0);

  auto* other = new TwinKedrinFile(&main);
  other->SetTitle(QStringLiteral("Noname.kdl"));
  EXPECT_TRUE(other->LoadFromFile(Path("empty.kdl")));
  EXPECT_EQ(other->Title(), Path("empty.kdl"));
  EXPECT_TRUE(other->Figures().empty());
  EXPECT_FALSE(other->Modified());
  delete other;
}

TEST_F(DocumentFiles, UntitledDocumentRunsSaveAsAndCancellingSavesNothing) {
  AddNine();
  doc->SetModified(true);
  EXPECT_FALSE(doc->SaveToFile(QStringLiteral("Noname.kdl")));
  EXPECT_EQ(main.saveAsCalls, 1);
  EXPECT_EQ(doc->Title(), QStringLiteral("Noname.kdl"));
  EXPECT_TRUE(doc->Modified());

  main.saveAsName = Path("chosen.kdl");
  EXPECT_TRUE(doc->SaveToFile(QStringLiteral("Noname.kdl")));
  EXPECT_EQ(main.saveAsCalls, 2);
  EXPECT_EQ(doc->Title(), Path("chosen.kdl"));
  EXPECT_FALSE(doc->Modified());
  EXPECT_GT(QFileInfo(Path("chosen.kdl")).size(), 0);
}

TEST_F(DocumentFiles, OtherLetterCaseOfTheUntitledNameIsSavedAsADiagram) {
  const QString before = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(dir_.path()));
  AddNine();
  EXPECT_TRUE(doc->SaveToFile(QStringLiteral("noname.kdl")));
  QDir::setCurrent(before);
  EXPECT_EQ(main.saveAsCalls, 0);
  EXPECT_GT(QFileInfo(Path("noname.kdl")).size(), 0);
}

// Any letter case names the same type; a name that is no picture's gets the diagram.
TEST_F(DocumentFiles, EveryNameGetsADiagramOrAPictureOrSaysWhyNot) {
  AddNine();
  const struct {
    const char* name;
    const char* starts;  // the file's first bytes; empty: no file is written
    bool diagram;        // saved as the document's diagram (title and Modified follow)
  } cases[] = {{"a.KDL", "TPF0", true},   {"flow-v1.2", "TPF0", true}, {"noext", "TPF0", true},
               {"a.BMP", "BM", false},    {"a.Jpg", "\xFF\xD8", false}, {"a.jpeg", "\xFF\xD8", false},
               {"a.png", "", false},      {"a.SVG", "", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    doc->SetTitle(QStringLiteral("Noname.kdl"));
    doc->SetModified(true);
    bool saved = false;
    std::string error;
    try {
      saved = doc->SaveToFile(Path(c.name));
    } catch (const EKedrinError& e) {
      error = e.what();
    }
    const std::vector<uint8_t> bytes = testsupport::ReadFile(Path(c.name));
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + std::min(bytes.size(), std::strlen(c.starts))), c.starts);
    EXPECT_EQ(saved, *c.starts != 0);
    // A picture Save does not write is named, with what does write it.
    EXPECT_EQ(error.empty(), *c.starts != 0) << error;
    if (!error.empty()) {
      EXPECT_NE(error.find(Path(c.name).toStdString() + ": a diagram is saved as"), std::string::npos) << error;
    }
    EXPECT_EQ(doc->Title(), c.diagram ? Path(c.name) : QStringLiteral("Noname.kdl"));
    EXPECT_EQ(doc->Modified(), !c.diagram);
  }
}

TEST_F(DocumentFiles, SaveIntoAnUnwritableFolderReportsAndChangesNothing) {
  AddNine();
  doc->SetModified(true);
  WriteFile("plain", {1, 2, 3});
  const QString target = Path("plain/flow.kdl");
  try {
    doc->SaveToFile(target);
    FAIL() << "no error";
  } catch (const EKedrinError& e) {
    EXPECT_EQ(std::string(e.what()), ("Cannot create file " + target).toStdString());
  }
  EXPECT_TRUE(doc->Modified());
  EXPECT_EQ(doc->Title(), QStringLiteral("Noname.kdl"));
}

TEST_F(DocumentFiles, SaveFailingMidwayLeavesThePreviousFileAndTheDocumentAsTheyWere) {
  AddNine();
  ASSERT_TRUE(doc->SaveToFile(Path("flow.kdl")));
  const std::vector<uint8_t> previous = testsupport::ReadFile(Path("flow.kdl"));
  doc->SetTitle(QStringLiteral("Old title"));
  doc->SetModified(true);

  auto* bad = new UnwritableFigure;
  bad->ApplyBounds(5, 5, 20, 20);
  bad->SetParentControl(doc->Surface());
  bad->stackUnder(doc->Figures()[5]);  // in the middle of the file
  EXPECT_THROW(doc->SaveToFile(Path("flow.kdl")), EStreamError);
  EXPECT_EQ(testsupport::ReadFile(Path("flow.kdl")), previous);
  EXPECT_TRUE(doc->Modified());
  EXPECT_EQ(doc->Title(), QStringLiteral("Old title"));
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"flow.kdl"});
}

TEST_F(DocumentFiles, TruncatedFileKeepsTheFiguresBeforeTheDamagedRecord) {
  AddNine();
  ASSERT_TRUE(doc->SaveToFile(Path("flow.kdl")));
  std::vector<uint8_t> bytes = testsupport::ReadFile(Path("flow.kdl"));
  const std::vector<std::vector<uint8_t>> records = DocumentRecords(doc);
  const size_t firstThree = records[0].size() + records[1].size() + records[2].size();
  bytes.resize(firstThree + 2);  // two bytes of the fourth record's signature
  WriteFile("cut.kdl", bytes);

  auto* other = new TwinKedrinFile(&main);
  other->SetTitle(QStringLiteral("Noname.kdl"));
  try {
    other->LoadFromFile(Path("cut.kdl"));
    ADD_FAILURE() << "no error";
  } catch (const EKedrinError& e) {
    // The reader's message, naming the file it was reading.
    EXPECT_EQ(std::string(e.what()), (Path("cut.kdl") + " could not be read completely: Stream read error").toStdString());
  }
  EXPECT_EQ(other->Title(), Path("cut.kdl"));
  // What was read is not what the file holds: the document is modified, and Save would ask for a
  // name rather than overwrite what is left of the file.
  EXPECT_TRUE(other->Modified());
  EXPECT_TRUE(other->ReadIncompletely());
  ASSERT_EQ(other->Figures().size(), 3u);
  for (TCustomKDTool* f : other->Figures()) EXPECT_TRUE(f->OnSeleComp != nullptr);
  EXPECT_TRUE(other->Surface()->updatesEnabled());
  delete other;
}

TEST_F(DocumentFiles, OpeningAMissingFileReportsItAndKeepsTheTitle) {
  try {
    doc->LoadFromFile(Path("none.kdl"));
    FAIL() << "no error";
  } catch (const EKedrinError& e) {
    EXPECT_EQ(std::string(e.what()), ("Cannot open file " + Path("none.kdl") + ": No such file or directory").toStdString());
  }
  EXPECT_EQ(doc->Title(), QStringLiteral("Noname.kdl"));
}

TEST_F(DocumentFiles, ExportOfAnUntouchedCanvasUsesAWhitePictureOfItsSize) {
  auto* box = Add(QRect(100, 50, 80, 60));
  box->SetLineWidth(1);
  box->SetFillColor(clRed);
  doc->SetModified(true);
  ASSERT_FALSE(doc->imgKedrin->HasPicture());
  const QSize canvas = doc->imgKedrin->size();

  EXPECT_TRUE(doc->SaveToFile(Path("d.bmp")));
  doc->ExportPicture(Path("d.jpg"));
  EXPECT_TRUE(doc->Modified());
  EXPECT_EQ(doc->Title(), QStringLiteral("Noname.kdl"));
  EXPECT_FALSE(doc->imgKedrin->HasPicture()) << "exporting does not make the canvas picture";

  QImage bmp(Path("d.bmp"), "bmp");
  ASSERT_EQ(bmp.size(), canvas);
  EXPECT_EQ(bmp.pixel(140, 80), qRgb(255, 0, 0));
  EXPECT_EQ(bmp.pixel(10, 10), qRgb(255, 255, 255));
  QImage jpg(Path("d.jpg"), "jpg");
  ASSERT_EQ(jpg.size(), canvas);
  EXPECT_GT(qRed(jpg.pixel(140, 80)), 230);
  EXPECT_LT(qGreen(jpg.pixel(140, 80)), 30);
}

TEST_F(DocumentFiles, ExportStartsFromTheCanvasPictureOnceItExists) {
  QImage& picture = doc->imgKedrin->Picture();
  picture.setPixel(3, 4, qRgb(0, 0, 255));
  const QSize pictureSize = picture.size();
  doc->Surface()->resize(doc->Surface()->size() + QSize(100, 100));  // the picture keeps its size
  Add(QRect(20, 20, 30, 30));
  doc->ExportPicture(Path("d.bmp"));
  QImage bmp(Path("d.bmp"), "bmp");
  EXPECT_EQ(bmp.size(), pictureSize);
  EXPECT_EQ(bmp.pixel(3, 4), qRgb(0, 0, 255));
}


}  // namespace

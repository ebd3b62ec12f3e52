// Export of a diagram's flowchart as Mermaid and DOT text beside the pictures, and smooth pictures:
// the formats' names, the text of the whole diagram or of the selection, the Export dialog's
// choices for text, and the Smooth choice (PNG, SVG and PDF only; BMP and JPEG stay exact).
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPainter>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <set>

#include "ChartDrawing.h"
#include "CustomKDTool.h"
#include "Dot.h"
#include "ExportDialog.h"
#include "ExportPicture.h"
#include "Mermaid.h"

namespace {

using namespace exporting;

TEST(TextFormats, NamedByTheirExtensions) {
  struct Case {
    const char* name;
    std::optional<Format> format;
  };
  for (const Case& c : {Case{"a.mmd", Format::Mermaid}, Case{"a.MERMAID", Format::Mermaid}, Case{"b.gv", Format::Dot},
                        Case{"b.Dot", Format::Dot}, Case{"c.mmdx", std::nullopt}})
    EXPECT_EQ(FormatOfName(c.name), c.format) << c.name;
  EXPECT_EQ(ExtensionOf(Format::Mermaid), ".mmd");
  EXPECT_EQ(ExtensionOf(Format::Dot), ".gv");
  EXPECT_EQ(FormatOfKey("mmd"), Format::Mermaid);
  EXPECT_EQ(FormatOfKey("gv"), Format::Dot);
  EXPECT_EQ(FormatOfFilter(FilterOf(Format::Dot)), Format::Dot);
  EXPECT_EQ(ResolveTarget("flow", Format::Mermaid).fileName, "flow.mmd");
  EXPECT_TRUE(IsText(Format::Mermaid) && IsText(Format::Dot) && !IsText(Format::Svg));
  for (Format f : kAllFormats)
    EXPECT_EQ(CanBeSmooth(f), f == Format::Png || f == Format::Svg || f == Format::Pdf) << KeyOf(f).toStdString();
}

class ExportChart : public ::testing::Test {
 protected:
  void SetUp() override {
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.filePath("settings"));
    QSettings().clear();
    // Go -> Ok? -yes-> Done, and a box on its own; figures drawn as an import draws them.
    const graph::ParseResult read = graph::ReadMermaid("flowchart LR\n A([Go]) --> B{Ok?} -->|yes| C[Done]\n D[[Alone]]\n");
    const flowchart::DrawnChart drawn = flowchart::DrawChart(*read.graph, {});
    for (const flowchart::FigurePlan& p : drawn.figures) owned.push_back(flowchart::MakeFigure(p, TFontDesc{}));
    for (const auto& f : owned) all.push_back(f.get());
  }
  std::string Read(const QString& path) const {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
  }
  static std::string Summary(const graph::ParseResult& r) {
    if (!r.ok()) return "unreadable";
    std::string out;
    for (const graph::Node& n : r.graph->nodes) out += n.text + ";";
    for (const graph::Edge& e : r.graph->edges)
      out += r.graph->nodes[e.from].text + "->" + r.graph->nodes[e.to].text + (e.label.empty() ? "" : "|" + e.label) + ";";
    return out;
  }
  QTemporaryDir dir;
  std::vector<std::unique_ptr<TCustomKDTool>> owned;
  std::vector<const TCustomKDTool*> all;
};

TEST_F(ExportChart, TheWholeDiagramOrTheSelectionAsText) {
  const QString mmd = dir.filePath("flow.mmd"), gv = dir.filePath("flow.gv");
  WriteExport(PlanExport(all, {}, {.format = Format::Mermaid}), Format::Mermaid, mmd);
  WriteExport(PlanExport(all, {}, {.format = Format::Dot}), Format::Dot, gv);
  const std::string whole = "Go;Ok?;Done;Alone;Go->Ok?;Ok?->Done|yes;";
  EXPECT_EQ(Summary(graph::ReadMermaid(Read(mmd))), whole);
  EXPECT_EQ(Summary(graph::ReadDot(Read(gv))), whole);
  EXPECT_TRUE(Read(mmd).starts_with("flowchart LR\n")) << Read(mmd);
  // Go and Ok? with their texts, and the arrow between them.
  std::vector<const TCustomKDTool*> selected(all.begin(), all.begin() + 4);
  for (const TCustomKDTool* f : all)
    if (f->ClassName() == std::string("TKDArrow") && f->Left() < all[2]->Left()) selected.push_back(f);
  WriteExport(PlanExport(all, selected, {.format = Format::Mermaid, .scope = Scope::Selection}), Format::Mermaid, mmd);
  EXPECT_EQ(Summary(graph::ReadMermaid(Read(mmd))), "Go;Ok?;Go->Ok?;");
}

TEST_F(ExportChart, TheDialogOffersTextWithoutPictureChoices) {
  ExportDialog dialog(all, {}, "Flow.kdl");
  EXPECT_TRUE(dialog.SmoothBox()->isChecked()) << "smooth unless turned off";
  EXPECT_EQ(dialog.SizeCaption(), "Picture size:");
  EXPECT_TRUE(dialog.Options().smooth);
  dialog.FormatBox()->setCurrentIndex(static_cast<int>(Format::Mermaid));
  EXPECT_EQ(QFileInfo(dialog.TargetFileName()).fileName(), "Flow.mmd");
  EXPECT_FALSE(dialog.ScaleBox()->isEnabled());
  EXPECT_FALSE(dialog.MarginBox()->isEnabled());
  EXPECT_FALSE(dialog.TransparentBox()->isEnabled());
  EXPECT_FALSE(dialog.SmoothBox()->isEnabled());
  EXPECT_FALSE(dialog.Options().smooth);
  EXPECT_EQ(dialog.SizeCaption(), "Contents:");
  EXPECT_EQ(dialog.SizeText(), "4 shapes, 2 connectors");
  dialog.NameEdit()->setText(dir.filePath("d.gv"));
  ASSERT_TRUE(dialog.ExportNow());
  EXPECT_EQ(Summary(graph::ReadDot(Read(dir.filePath("d.gv")))), "Go;Ok?;Done;Alone;Go->Ok?;Ok?->Done|yes;");
  dialog.FormatBox()->setCurrentIndex(static_cast<int>(Format::Bmp));
  EXPECT_TRUE(dialog.ScaleBox()->isEnabled());
  EXPECT_FALSE(dialog.SmoothBox()->isEnabled());
  EXPECT_FALSE(dialog.Options().smooth) << "BMP stays exact";
}

TEST_F(ExportChart, SmoothIsRememberedAndGoesIntoThePlan) {
  {
    ExportDialog dialog(all, {}, "Flow.kdl");
    dialog.SmoothBox()->setChecked(false);
    dialog.NameEdit()->setText(dir.filePath("a.png"));
    ASSERT_TRUE(dialog.ExportNow());
  }
  ExportDialog next(all, {}, "Flow.kdl");
  EXPECT_FALSE(next.SmoothBox()->isChecked());
  for (Format f : kAllFormats)
    EXPECT_EQ(PlanExport(all, {}, {.format = f, .smooth = true}).smooth, CanBeSmooth(f)) << KeyOf(f).toStdString();
}

std::set<QRgb> Colours(const QImage& image) {
  std::set<QRgb> out;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) out.insert(image.pixel(x, y));
  return out;
}

// A smooth PNG holds the blended colours of smoothed edges; the exact one only the figures' own.
TEST_F(ExportChart, ASmoothPictureHasSmoothEdges) {
  const QString exact = dir.filePath("exact.png"), smooth = dir.filePath("smooth.png");
  WriteExport(PlanExport(all, {}, {.format = Format::Png}), Format::Png, exact);
  const QImage exactPicture(exact);
  EXPECT_LE(Colours(exactPicture).size(), 8u);
  WriteExport(PlanExport(all, {}, {.format = Format::Png, .smooth = true}), Format::Png, smooth);
  const QImage smoothPicture(smooth);
  EXPECT_EQ(smoothPicture.size(), exactPicture.size());
  EXPECT_GT(Colours(smoothPicture).size(), 16u);
}

}  // namespace

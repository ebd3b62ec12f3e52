// The main window's documents are told to screen readers: the first selection of a new document
// is announced without anything having asked for the canvas's accessible tree.
#include <QAccessible>

#include "CanvasFixture.h"
#include "Diagram.h"
#include "DocumentAccess.h"

namespace {

using ScreenReader = CanvasFixture;

TEST_F(ScreenReader, TheFirstSelectionOfANewDocumentIsAnnounced) {
  std::vector<QAccessible::Event> heard;
  a11y::SetListener([&heard](QAccessibleEvent& e) { heard.push_back(e.type()); });
  TCustomKDTool* box = Add<TKDProcess>(doc, {100, 100, 80, 40});
  doc->FigureSet().Select({box});
  testsupport::Flush();
  a11y::SetListener(nullptr);
  EXPECT_EQ(std::count(heard.begin(), heard.end(), QAccessible::Selection), 1);
}

}  // namespace

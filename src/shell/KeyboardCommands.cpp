#include "KeyboardCommands.h"

#include <QAbstractButton>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>

#include "ColourBar.h"
#include "Graphics.h"
#include "QtConvert.h"
#include "SwatchColours.h"
#include "TUpDownEdit.h"
#include "TwinKedrinFile.h"
#include "TwinMain.h"

namespace {
QString Tr(const char* text) { return QCoreApplication::translate("KeyboardCommands", text); }

QIcon ColourIcon(TColor colour) {
  QPixmap pixmap(16, 16);
  pixmap.fill(ToQColor(colour));
  // A rim, so that white shows on a white menu.
  QPainter painter(&pixmap);
  painter.setPen(QColor(128, 128, 128));
  painter.drawRect(0, 0, 15, 15);
  painter.end();
  return QIcon(pixmap);
}
}  // namespace

void InstallKeyboardCommands(TwinMain& main) { new KeyboardCommands(main); }

KeyboardCommands::KeyboardCommands(TwinMain& main) : QObject(&main), main_(main) {
  setObjectName(QStringLiteral("KeyboardCommands"));
  AddDrawingTools(main.Insert1);
  AddFormatMenu();
  AddRestacking();
}

QAction* KeyboardCommands::Mirror(QMenu* menu, const char* name, const char* text, QToolButton* button) {
  QAction* a = menu->addAction(Tr(text));
  a->setObjectName(QLatin1String(name));
  a->setCheckable(true);
  a->setChecked(button->isChecked());
  a->setIcon(button->icon());
  // The button decides; the item only shows what it did.
  connect(a, &QAction::triggered, button, [a, button] {
    button->click();
    a->setChecked(button->isChecked());
  });
  connect(button, &QAbstractButton::toggled, a, &QAction::setChecked);
  return a;
}

void KeyboardCommands::Focuser(QMenu* menu, const char* name, const char* text, QWidget* control) {
  QAction* a = menu->addAction(Tr(text));
  a->setObjectName(QLatin1String(name));
  connect(a, &QAction::triggered, control, [control] { control->setFocus(Qt::ShortcutFocusReason); });
}

void KeyboardCommands::AddDrawingTools(QMenu* insert) {
  QMenu* tools = insert->addMenu(QCoreApplication::translate("KeyboardCommands", "Drawing &Tool"));
  tools->setObjectName(QStringLiteral("DrawingTool1"));
  const struct {
    const char* name;
    const char* text;
    QToolButton* button;
  } items[] = {
      {"ToolSelect1", QT_TRANSLATE_NOOP("KeyboardCommands", "&Select"), main_.btnSelect},
      {"ToolBegin1", QT_TRANSLATE_NOOP("KeyboardCommands", "S&tart Mark"), main_.btnBegin},
      {"ToolEnd1", QT_TRANSLATE_NOOP("KeyboardCommands", "&End Mark"), main_.btnEnd},
      {"ToolProcess1", QT_TRANSLATE_NOOP("KeyboardCommands", "&Process"), main_.btnProcess},
      {"ToolDiamond1", QT_TRANSLATE_NOOP("KeyboardCommands", "&Decision"), main_.btnDiamond},
      {"ToolEllipse1", QT_TRANSLATE_NOOP("KeyboardCommands", "E&llipse"), main_.btnEllipse},
      {"ToolRectangle1", QT_TRANSLATE_NOOP("KeyboardCommands", "&Rectangle"), main_.btnRectangle},
      {"ToolLabel1", QT_TRANSLATE_NOOP("KeyboardCommands", "Te&xt Label"), main_.btnLabel},
      {"ToolLine1", QT_TRANSLATE_NOOP("KeyboardCommands", "L&ine"), main_.btnLine},
      {"ToolArrow1", QT_TRANSLATE_NOOP("KeyboardCommands", "&Arrow"), main_.btnArrow},
  };
  auto* group = new QActionGroup(tools);
  for (const auto& item : items) group->addAction(Mirror(tools, item.name, item.text, item.button));
  tools->insertSeparator(tools->actions().at(1));
}

void KeyboardCommands::AddColours(QMenu* menu, bool line) {
  ColourBar* bar = main_.findChild<ColourBar*>();
  if (!bar) return;
  for (const auto* list : {&style::StandardColours(), &style::LightColours()}) {
    for (const style::NamedColour& c : *list) {
      QAction* a = menu->addAction(ColourIcon(c.colour), QCoreApplication::translate("ColourBar", c.name));
      connect(a, &QAction::triggered, bar, [bar, colour = c.colour, line] { emit bar->ColourChosen(colour, line); });
    }
    menu->addSeparator();
  }
  if (!line) {
    QAction* none = menu->addAction(QCoreApplication::translate("KeyboardCommands", "&No Fill"));
    none->setObjectName(QStringLiteral("NoFill1"));
    connect(none, &QAction::triggered, bar, [bar] { emit bar->NoFillChosen(); });
  }
  QAction* more = menu->addAction(QCoreApplication::translate("KeyboardCommands", "&More Colours..."));
  more->setObjectName(line ? QStringLiteral("MoreLineColours1") : QStringLiteral("MoreFillColours1"));
  connect(more, &QAction::triggered, bar, [bar, line] { emit bar->MoreChosen(line); });
}

void KeyboardCommands::AddFormatMenu() {
  auto* format = new QMenu(QCoreApplication::translate("KeyboardCommands", "F&ormat"), &main_);
  format->setObjectName(QStringLiteral("Format1"));
  main_.MainMenu1->insertMenu(main_.Arrange1->menuAction(), format);

  QMenu* pen = format->addMenu(QCoreApplication::translate("KeyboardCommands", "Line &Style"));
  pen->setObjectName(QStringLiteral("LineStyle1"));
  auto* pens = new QActionGroup(pen);
  pens->addAction(Mirror(pen, "PenSolid1", QT_TRANSLATE_NOOP("KeyboardCommands", "&Solid"), main_.btnSolidPen));
  pens->addAction(Mirror(pen, "PenDash1", QT_TRANSLATE_NOOP("KeyboardCommands", "&Dash"), main_.btnDashPen));
  pens->addAction(Mirror(pen, "PenDot1", QT_TRANSLATE_NOOP("KeyboardCommands", "D&ot"), main_.btnDotPen));
  pens->addAction(Mirror(pen, "PenDashDot1", QT_TRANSLATE_NOOP("KeyboardCommands", "D&ash Dot"), main_.btnDashDotPen));
  pens->addAction(
      Mirror(pen, "PenDashDotDot1", QT_TRANSLATE_NOOP("KeyboardCommands", "Dash Dot Do&t"), main_.btnDashDotDotPen));
  pens->addAction(Mirror(pen, "PenClear1", QT_TRANSLATE_NOOP("KeyboardCommands", "&No Line"), main_.btnClearPen));
  QMenu* lineColour = format->addMenu(QCoreApplication::translate("KeyboardCommands", "Line &Colour"));
  lineColour->setObjectName(QStringLiteral("LineColour1"));
  AddColours(lineColour, true);
  Focuser(format, "LineWidth1", QT_TRANSLATE_NOOP("KeyboardCommands", "Line &Width"), main_.PenWidth);
  format->addSeparator();

  QMenu* fill = format->addMenu(QCoreApplication::translate("KeyboardCommands", "&Fill Pattern"));
  fill->setObjectName(QStringLiteral("FillPattern1"));
  auto* fills = new QActionGroup(fill);
  fills->addAction(Mirror(fill, "BrushSolid1", QT_TRANSLATE_NOOP("KeyboardCommands", "&Solid"), main_.btnSolidBrush));
  fills->addAction(
      Mirror(fill, "BrushHorizontal1", QT_TRANSLATE_NOOP("KeyboardCommands", "&Horizontal"), main_.btnHorizontalBrush));
  fills->addAction(
      Mirror(fill, "BrushVertical1", QT_TRANSLATE_NOOP("KeyboardCommands", "&Vertical"), main_.btnVerticalBrush));
  fills->addAction(Mirror(fill, "BrushFDiagonal1", QT_TRANSLATE_NOOP("KeyboardCommands", "&Forward Diagonal"),
                          main_.btnFDiagonalBrush));
  fills->addAction(Mirror(fill, "BrushBDiagonal1", QT_TRANSLATE_NOOP("KeyboardCommands", "&Backward Diagonal"),
                          main_.btnBDiagonalBrush));
  fills->addAction(Mirror(fill, "BrushCross1", QT_TRANSLATE_NOOP("KeyboardCommands", "&Cross"), main_.btnCrossBrush));
  fills->addAction(
      Mirror(fill, "BrushDiagCross1", QT_TRANSLATE_NOOP("KeyboardCommands", "&Diagonal Cross"), main_.btnDiagCrossBrush));
  QMenu* fillColour = format->addMenu(QCoreApplication::translate("KeyboardCommands", "F&ill Colour"));
  fillColour->setObjectName(QStringLiteral("FillColour1"));
  AddColours(fillColour, false);
  format->addSeparator();

  // The arrow menus are the ones the style bar's buttons drop down.
  main_.mnuArrowPosition->setTitle(QCoreApplication::translate("KeyboardCommands", "Arrow &Heads"));
  main_.mnuArrowDirection->setTitle(QCoreApplication::translate("KeyboardCommands", "Arrow &Direction"));
  format->addMenu(main_.mnuArrowPosition);
  format->addMenu(main_.mnuArrowDirection);
  Focuser(format, "ArrowThickness1", QT_TRANSLATE_NOOP("KeyboardCommands", "Arrow &Thickness"), main_.UDArrowThicknessRate);
  Focuser(format, "ArrowHeadLength1", QT_TRANSLATE_NOOP("KeyboardCommands", "Arrow Head &Length"),
          main_.UDArrowHeadLengthRate);
  format->addSeparator();
  Focuser(format, "Caption1", QT_TRANSLATE_NOOP("KeyboardCommands", "C&aption"), main_.edtLabel);
  QAction* font = format->addAction(QCoreApplication::translate("KeyboardCommands", "Caption &Font..."));
  font->setObjectName(QStringLiteral("CaptionFont1"));
  connect(font, &QAction::triggered, main_.btnFontSet, &QToolButton::click);
}

void KeyboardCommands::AddRestacking() {
  QMenu* arrange = main_.Arrange1;
  arrange->addSeparator();
  QAction* front = arrange->addAction(QCoreApplication::translate("KeyboardCommands", "Bring to &Front"));
  front->setObjectName(QStringLiteral("ArrangeBringToFront1"));
  front->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_BracketRight));
  QAction* back = arrange->addAction(QCoreApplication::translate("KeyboardCommands", "Send to Bac&k"));
  back->setObjectName(QStringLiteral("ArrangeSendToBack1"));
  back->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_BracketLeft));
  connect(front, &QAction::triggered, this, [this] {
    if (TwinKedrinFile* d = main_.CurrentDocument()) d->BringToFront1Click();
  });
  connect(back, &QAction::triggered, this, [this] {
    if (TwinKedrinFile* d = main_.CurrentDocument()) d->SendToBack1Click();
  });
}

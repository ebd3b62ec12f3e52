#include "TwinAbout.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QSvgRenderer>
#include <QSysInfo>
#include <QThread>
#include <QUrl>
#include <QVBoxLayout>
#include <memory>

#include "FontDesc.h"
#include "QtConvert.h"

TwinAbout* winAbout = nullptr;

namespace utAbout {

namespace {

ShellOpen& ShellOpenSetting() {
  static ShellOpen open;
  return open;
}

QStringList& ToolsSetting() {
  static QStringList tools = DefaultSystemInfoTools();
  return tools;
}

bool DesktopOpen(const QString& target) {
  QUrl url(target);
  static const QStringList addresses = {QStringLiteral("mailto"), QStringLiteral("http"),
                                        QStringLiteral("https")};
  if (addresses.contains(url.scheme())) return QDesktopServices::openUrl(url);
  return QProcess::startDetached(target, {});
}

QString Bytes(qint64 bytes) {
  return QCoreApplication::translate("TwinAbout", "%1 GB").arg(static_cast<double>(bytes) / (1024.0 * 1024.0 * 1024.0), 0, 'f', 1);
}

QString TotalMemory() {
  QFile meminfo(QStringLiteral("/proc/meminfo"));
  if (!meminfo.open(QIODevice::ReadOnly)) return {};
  // Files under /proc report no size, so they are read to the end rather than line by line.
  for (const QByteArray& raw : meminfo.readAll().split('\n')) {
    QByteArray line = raw.simplified();
    if (line.startsWith("MemTotal:")) {
      qint64 kib = line.split(' ').value(1).toLongLong();
      return Bytes(kib * 1024);
    }
  }
  return {};
}

}  // namespace

void SetShellOpen(ShellOpen open) { ShellOpenSetting() = std::move(open); }

bool OpenTarget(const QString& target) {
  const ShellOpen& open = ShellOpenSetting();
  return open ? open(target) : DesktopOpen(target);
}

QStringList DefaultSystemInfoTools() {
  // What Debian's desktops offer, the closest to a system summary first.
  return {QStringLiteral("hardinfo"), QStringLiteral("gnome-system-monitor"),
          QStringLiteral("plasma-systemmonitor"), QStringLiteral("ksysguard"),
          QStringLiteral("xfce4-taskmanager")};
}

void SetSystemInfoTools(const QStringList& programs) { ToolsSetting() = programs; }

QStringList SystemInfoTools() { return ToolsSetting(); }

QString SystemInfoText() {
  QStringList lines;
  auto add = [&lines](const char* name, const QString& value) {
    if (!value.isEmpty()) lines << QStringLiteral("%1: %2").arg(QCoreApplication::translate("TwinAbout", name), value);
  };
  add(QT_TRANSLATE_NOOP("TwinAbout", "Operating system"), QSysInfo::prettyProductName());
  add(QT_TRANSLATE_NOOP("TwinAbout", "Kernel"), QSysInfo::kernelType() + u' ' + QSysInfo::kernelVersion());
  add(QT_TRANSLATE_NOOP("TwinAbout", "Processor architecture"), QSysInfo::currentCpuArchitecture());
  add(QT_TRANSLATE_NOOP("TwinAbout", "Processors"), QString::number(QThread::idealThreadCount()));
  add(QT_TRANSLATE_NOOP("TwinAbout", "Memory"), TotalMemory());
  QStorageInfo root = QStorageInfo::root();
  if (root.isValid()) {
    add(QT_TRANSLATE_NOOP("TwinAbout", "Disk (/)"), QCoreApplication::translate("TwinAbout", "%1 free of %2").arg(Bytes(root.bytesAvailable()), Bytes(root.bytesTotal())));
  }
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    add(QT_TRANSLATE_NOOP("TwinAbout", "Screen"), QCoreApplication::translate("TwinAbout", "%1 x %2, %3 bits")
                      .arg(screen->size().width())
                      .arg(screen->size().height())
                      .arg(screen->depth()));
  }
  add(QT_TRANSLATE_NOOP("TwinAbout", "Host name"), QSysInfo::machineHostName());
  add("Qt", QString::fromLatin1(qVersion()));
  return lines.join(u'\n');
}

}  // namespace utAbout

namespace {

constexpr TColor clBtnShadow = static_cast<TColor>(0x80000010u);
constexpr TColor clBtnHighlight = static_cast<TColor>(0x80000014u);

// The separator under the version: a lowered line along the bottom edge only.
class TBevel : public QWidget {
 public:
  explicit TBevel(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_NoMousePropagation); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setPen(ToQColor(clBtnShadow));
    painter.drawLine(0, height() - 2, width() - 1, height() - 2);
    painter.setPen(ToQColor(clBtnHighlight));
    painter.drawLine(0, height() - 1, width() - 1, height() - 1);
  }
};

// Shown by "System Info" when the desktop has no system-information program.
class TSystemInfoBox : public QDialog {
 public:
  explicit TSystemInfoBox(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("SystemInfo"));
    setWindowTitle(QCoreApplication::translate("TwinAbout", "System Information"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* text = new QPlainTextEdit(utAbout::SystemInfoText());
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
    resize(460, 280);
  }
};

TFontDesc FormFont() {
  TFontDesc font;
  font.name = "MS Sans Serif";
  font.height = -13;
  font.charset = ANSI_CHARSET;
  return font;
}

TFontDesc LinkFont() {
  TFontDesc font;
  font.name = "宋体";
  font.height = -12;
  font.style = fsUnderline;
  font.color = clBlue;
  font.charset = GB2312_CHARSET;
  return font;
}

void SetUnderline(QLabel* label, bool underline) {
  QFont font = label->font();
  font.setUnderline(underline);
  label->setFont(font);
}

QPixmap ProductPicture(QSize size) {
  QPixmap picture(size);
  picture.fill(Qt::white);
  QSvgRenderer renderer(QStringLiteral(":/about/kedrin-about.svg"));
  if (renderer.isValid()) {
    QPainter painter(&picture);
    // Stretched to the box, whatever the picture's own proportions.
    renderer.setAspectRatioMode(Qt::IgnoreAspectRatio);
    renderer.render(&painter, QRectF(QPointF(0, 0), size));
  }
  return picture;
}

}  // namespace

TAboutLabel::TAboutLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setAttribute(Qt::WA_NoMousePropagation);
  setTextFormat(Qt::PlainText);
}

void TAboutLabel::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
  event->accept();
}

void TAboutLabel::mouseReleaseEvent(QMouseEvent* event) {
  bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  event->accept();
  if (click && OnClick) OnClick();
}

void TAboutLabel::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  if (OnMouseMove) OnMouseMove();
}

TwinAbout::TwinAbout(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                         Qt::MSWindowsFixedSizeDialogHint) {
  setObjectName(QStringLiteral("winAbout"));
  setWindowTitle(QCoreApplication::translate("TwinAbout", "About Kedrin Tools"));
  setModal(true);
  setFixedSize(353, 216);
  setSizeGripEnabled(false);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::white);
  setPalette(palette);
  setAutoFillBackground(true);
  setFont(ToQFont(FormFont()));
  setMouseTracking(true);

  Image1 = new TAboutLabel(QString(), this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(4, 2, 120, 209);
  Image1->setScaledContents(true);
  Image1->setPixmap(ProductPicture(Image1->size()));

  auto label = [this](const char* name, const QString& text, int x, int y) {
    auto* l = new TAboutLabel(text, this);
    l->setObjectName(QLatin1String(name));
    l->move(x, y);
    l->adjustSize();
    return l;
  };
  lblCompanyName = label("lblCompanyName", QString::fromUtf8(utAbout::kMakerName), 140, 16);
  Label3 = label("Label3", QCoreApplication::translate("TwinAbout", "KedrinTools Demo"), 136, 51);
  QFont bold = Label3->font();
  bold.setBold(true);
  Label3->setFont(bold);
  Label3->adjustSize();
  Label2 = label("Label2", QCoreApplication::translate("TwinAbout", "version 1.2b  build 2001.12.17"), 140, 80);

  Bevel1 = new TBevel(this);
  Bevel1->setObjectName(QStringLiteral("Bevel1"));
  Bevel1->setGeometry(140, 100, 197, 9);

  QPalette linkPalette = palette;
  linkPalette.setColor(QPalette::WindowText, ToQColor(LinkFont().color));
  auto link = [&](const char* name, const QString& text, int y) {
    TAboutLabel* l = label(name, text, 140, y);
    l->setFont(ToQFont(LinkFont()));
    l->setPalette(linkPalette);
    l->setCursor(Qt::PointingHandCursor);
    l->setMouseTracking(true);
    l->adjustSize();
    return l;
  };
  Label4 = link("Label4", QCoreApplication::translate("TwinAbout", "电子邮件：%1").arg(QString::fromUtf8(utAbout::kMakerMail)), 120);
  Label5 = label("Label5", QCoreApplication::translate("TwinAbout", utAbout::kMakerPhone), 140, 144);
  Label6 = link("Label6", QCoreApplication::translate("TwinAbout", "主页：www.example.com/kedrin"), 164);

  lblNotice = label("lblNotice", QCoreApplication::translate("TwinAbout", utAbout::kMakerNotice), 124, 196);
  lblNotice->setGeometry(124, 196, 225, 16);

  BitBtn1 = new QPushButton(QCoreApplication::translate("TwinAbout", "System Info(&S)"), this);
  BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
  BitBtn1->setGeometry(16, 180, 97, 25);
  BitBtn1->setAttribute(Qt::WA_NoMousePropagation);
  BitBtn1->setDefault(true);
  BitBtn1->raise();

  connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(BitBtn1); });
  Label4->OnClick = [this] { BitBtn1Click(Label4); };
  Label6->OnClick = [this] { BitBtn1Click(Label6); };
  Label4->OnMouseMove = [this] { Label4MouseMove(); };
  Label6->OnMouseMove = [this] { Label6MouseMove(); };

  // The button is the only control that takes the keyboard focus.
  for (QWidget* child : findChildren<QWidget*>()) {
    if (child != BitBtn1) child->setFocusPolicy(Qt::NoFocus);
  }
  BitBtn1->setFocus();

  QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
  if (screen) move(screen->availableGeometry().center() - rect().center());
}

void TwinAbout::BitBtn1Click(QObject* sender) {
  if (sender == BitBtn1) {
    OpenSystemInfo();
  } else if (sender == Label4) {
    utAbout::OpenTarget(QStringLiteral("mailto:") + QString::fromUtf8(utAbout::kMakerMail));
  } else if (sender == Label6) {
    utAbout::OpenTarget(QString::fromUtf8(utAbout::kMakerHomePage));
  }
}

void TwinAbout::OpenSystemInfo() {
  for (const QString& tool : utAbout::SystemInfoTools()) {
    QString program = QStandardPaths::findExecutable(tool);
    if (!program.isEmpty() && utAbout::OpenTarget(program)) return;
  }
  auto* box = new TSystemInfoBox(this);
  box->open();
}

void TwinAbout::FormClick() { close(); }

void TwinAbout::FormMouseMove() {
  SetUnderline(Label4, true);
  SetUnderline(Label6, true);
}

void TwinAbout::Label4MouseMove() { SetUnderline(Label4, false); }

void TwinAbout::Label6MouseMove() { SetUnderline(Label6, false); }

void TwinAbout::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
  event->accept();
}

void TwinAbout::mouseReleaseEvent(QMouseEvent* event) {
  bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  event->accept();
  if (click) FormClick();
}

void TwinAbout::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  FormMouseMove();
}

void TwinAbout::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    // A modifier alone is not a key press of its own: Alt must still reach "&S".
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
      event->ignore();
      return;
    default:
      event->accept();
      close();
  }
}

void ShowAboutBox(QWidget* owner) {
  std::unique_ptr<TwinAbout> box(new TwinAbout(owner));
  winAbout = box.get();
  struct Forget {
    ~Forget() { winAbout = nullptr; }
  } forget;
  winAbout->exec();
}

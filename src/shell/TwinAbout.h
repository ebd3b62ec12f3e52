#pragma once
#include <QDialog>
#include <QLabel>
#include <QString>
#include <QStringList>
#include <functional>

class QPushButton;

// The maker's details that the About box shows and opens.
namespace utAbout {

inline constexpr const char* kMakerName = "Kedrin Tools Studio";
inline constexpr const char* kMakerMail = "kedrin@example.com";
inline constexpr const char* kMakerHomePage = "http://www.example.com/kedrin/";
inline constexpr const char* kMakerPhone = QT_TRANSLATE_NOOP("TwinAbout", "Tel: +86 10 5550 1217");
inline constexpr const char* kMakerNotice = QT_TRANSLATE_NOOP("TwinAbout", "This demo is for evaluation only.");

// Opens a target with the desktop's default action: a mailto: or web address in the mail program
// or browser, anything else is started as a program. Returns whether it was started. Tests
// replace it to record the targets; an empty function brings the desktop's back.
using ShellOpen = std::function<bool(const QString& target)>;
void SetShellOpen(ShellOpen open);
bool OpenTarget(const QString& target);

// The system-information programs tried in order by "System Info"; settable for tests.
QStringList DefaultSystemInfoTools();
void SetSystemInfoTools(const QStringList& programs);
QStringList SystemInfoTools();
// What the built-in system information window shows when none of them is installed.
QString SystemInfoText();

}  // namespace utAbout

// A label of the About box: it keeps its own clicks and pointer moves, so only the bare
// background of the form reacts to them there.
class TAboutLabel : public QLabel {
  Q_OBJECT
 public:
  explicit TAboutLabel(const QString& text, QWidget* parent);

  std::function<void()> OnClick;
  std::function<void()> OnMouseMove;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  bool pressed_ = false;
};

// The About box (unit utAbout): created for each showing and destroyed when it closes.
class TwinAbout : public QDialog {
  Q_OBJECT
 public:
  explicit TwinAbout(QWidget* owner);

  TAboutLabel* Image1;
  TAboutLabel* lblCompanyName;
  TAboutLabel* Label3;
  TAboutLabel* Label2;
  QWidget* Bevel1;
  TAboutLabel* Label4;
  TAboutLabel* Label5;
  TAboutLabel* Label6;
  TAboutLabel* lblNotice;
  QPushButton* BitBtn1;

  // Shared by BitBtn1, Label4 and Label6: the sender chooses what is opened.
  void BitBtn1Click(QObject* sender);
  void FormClick();
  void FormMouseMove();
  void Label4MouseMove();
  void Label6MouseMove();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void OpenSystemInfo();
  bool pressed_ = false;
};

// The About box while it is shown, otherwise none.
extern TwinAbout* winAbout;

// Creates winAbout with the owner, shows it modally and destroys it when it closes.
void ShowAboutBox(QWidget* owner);

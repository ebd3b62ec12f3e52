#pragma once
#include <QString>
#include <functional>

class QWidget;

// The editor's questions to the user: a box titled "KedrinTool Demo" without an icon. Tests
// answer them through an installed asker instead of a box.
namespace questions {

enum class TAnswer { Yes, No, Cancel };

// Yes, No and Cancel, Yes the default; closing the box answers Cancel.
TAnswer AskYesNoCancel(QWidget* parent, const QString& text);

enum class TOverwriteAnswer { Overwrite, SaveAs, Cancel };

// Overwrite, Save As... and Cancel, for a file that changed on disk since it was read: Save As
// the default, closing the box answers Cancel. An installed asker answers it too, Yes meaning
// Overwrite and No Save As.
TOverwriteAnswer AskOverwriteChanged(QWidget* parent, const QString& text);

using Asker = std::function<TAnswer(QWidget* parent, const QString& text)>;
void SetAsker(Asker asker);

}  // namespace questions

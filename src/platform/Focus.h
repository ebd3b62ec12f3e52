#pragma once
#include <QWidget>

class TCustomControl;

// Keyboard focus with the toolkit's per-form memory: each form (a document window, the main
// window) remembers what holds its focus (a widget, or a windowless control on a canvas widget,
// which then holds Qt's focus for it), and when something else of the same form takes the focus
// the former control receives TKM_FOCUSLOST before SetFocus returns. Focus that moves to another
// form or application, a dialog or a menu is not a loss: the selection of a document survives
// typing into the main window's caption box or choosing a colour.
namespace focus {

// Connects to the application's focus changes; done once by the application.
void Install();
// Marks a widget as a form: the scope in which focus loss is noticed.
void MarkForm(QWidget* form);
QWidget* FormOf(const QWidget* w);
// Gives w the focus; the form's former focused control is told it lost it.
void SetFocus(QWidget* w);
// Gives a control on a canvas the focus (and its canvas Qt's focus).
void SetFocus(TCustomControl* control);
// The control that holds the focus in the form, as the form remembers it; none when a widget
// holds it.
TCustomControl* FocusedControl(const QWidget* form);
// Whether the control holds the focus of its form while its canvas has Qt's focus.
bool HasFocus(const TCustomControl* control);
// A control that goes away: the form forgets it, no loss is reported.
void Forget(const TCustomControl* control);
// A focused control that goes away passes the focus to its canvas without the form reporting
// a loss.
void HandOver(TCustomControl* control);

}  // namespace focus

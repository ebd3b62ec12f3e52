#pragma once
#include <QWidget>

// Keyboard focus with the toolkit's per-form memory: each form (a document window, the main
// window) remembers the control that holds its focus, and when another control of the same form
// takes the focus the former one receives TKM_FOCUSLOST before SetFocus returns. Focus that
// moves to another form or application, a dialog or a menu is not a loss: the selection of a
// document survives typing into the main window's caption box or choosing a colour.
namespace focus {

// Connects to the application's focus changes; done once by the application.
void Install();
// Marks a widget as a form: the scope in which focus loss is noticed.
void MarkForm(QWidget* form);
QWidget* FormOf(const QWidget* w);
// Gives w the focus; the form's former focused control is told it lost it.
void SetFocus(QWidget* w);
// The control that holds the focus in w's form, as the form remembers it.
QWidget* FocusedControl(const QWidget* form);
// A control that goes away: the form forgets it, no loss is reported.
void Forget(QWidget* w);
// A focused control that goes away passes the focus to its nearest focusable ancestor without
// the ancestor's form reporting a loss.
void HandOver(QWidget* w);

}  // namespace focus

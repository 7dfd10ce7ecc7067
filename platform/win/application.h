#pragma once
// The GUI application: one thread, one message loop, the main form, and the
// place where a failure that escapes an action is shown.

#include <windows.h>

#include <functional>

namespace zrk {

class Form;

// Per-monitor dpi awareness, common controls and per-process set-up; call
// once before creating forms.
void InitApplication();

// The first form created becomes the main form.
Form* MainForm();
void RegisterForm(Form* form);

// Shows the main form centred and dispatches messages until Terminate().
// Returns the exit code, 0.
int RunApplication();

// Posts a quit request: the running handler finishes, then the loop ends.
void Terminate();

// Dispatches one message to its window, letting forms with windowed controls
// handle dialog keys (Tab between controls). Used by every message loop.
void DispatchOne(MSG& msg);

// Runs an action; a failure that escapes it is shown in the default error
// box, the action is abandoned and the program goes on.
void RunGuarded(const std::function<void()>& action);

}  // namespace zrk

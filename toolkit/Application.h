#pragma once

#include <functional>

namespace toolkit {

class Form;

// On a Wayland session a program cannot place its windows. Where the learner
// has chosen no Qt platform and an X server is there too (XWayland), the
// program runs on X11, so that its windows stand where it puts them. Call
// before the application is made.
void preferX11();

// Settles what the whole program shares: its name, the faces for its fonts,
// that closing a secondary window never ends it, and its icon, which every
// window and message box carries.
void prepareApplication();

// Creates the start-up window, raises its load event, then shows the window.
// A failure on the way is told to the learner and the program does not start;
// the result says whether it started.
bool startUp(const std::function<Form &()> &create, const std::function<void()> &load);

// Ends the program at once: every window leaves the screen and the event loop
// stops, so no further handler runs.
void endProgram();

} // namespace toolkit

// What a screen reader finds in the window: every control the pupil can
// reach with a role and a Bulgarian name, each planet button named for what
// a sighted pupil sees on it, and each verdict announced as it is written.
#pragma once

#include <functional>

class QAccessibleEvent;
class QWidget;

namespace veltara {

class PlanetButton;
struct ControlDescription;

// Puts our own accessible interfaces in place: the window as a frame, the
// planet buttons, and before Qt 6.8 the verdict's notice. Called before the
// window builds its controls, so that none is first seen through the
// toolkit's default.
void installAccessibleInterfaces();

// Sees every announcement as it goes to the screen readers. Qt delivers
// accessibility events only while a screen reader listens, so the tests
// listen here. Null: nobody listens.
using AnnouncementListener = void (*)(QAccessibleEvent& announcement);
void listenToAnnouncements(AnnouncementListener listener);

// Gives a built control the name and description its description holds;
// the message area besides announces each verdict written into it.
void makeAccessible(QWidget& widget, const ControlDescription& control);

// Runs the pupil's choice of a planet button and tells it to the screen
// readers as one change: the button, with its new name and state.
void presentChoice(PlanetButton& button, const std::function<void()>& choose);

}  // namespace veltara

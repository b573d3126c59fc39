#include "win32_exercise_controls.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "answer_list.h"
#include "list_selection.h"
#include "win32_text.h"

namespace veltara {

namespace {

HWND existing(HWND control, const char* what) {
    if (control == nullptr || IsWindow(control) == FALSE) {
        throw std::runtime_error(std::string(what) + " no longer exists");
    }
    return control;
}

}  // namespace

HWND Win32ExerciseControls::planet(std::int16_t element) const {
    if (element < 0 || element >= kPlanetCount) {
        throw std::out_of_range("Option1 has no element " + std::to_string(element));
    }
    HWND button = controls_.planets[static_cast<std::size_t>(element)];
    if (button == nullptr || IsWindow(button) == FALSE) {
        throw std::runtime_error("Option1 element " + std::to_string(element) +
                                 " no longer exists");
    }
    return button;
}

std::string Win32ExerciseControls::planetCaption(std::int16_t element) const {
    return narrow(windowText(planet(element)));
}

void Win32ExerciseControls::setPlanetCaption(std::int16_t element, const std::string& caption) {
    SetWindowTextW(planet(element), widen(caption).c_str());
}

void Win32ExerciseControls::setPlanetSelectedOff(std::int16_t element) {
    SendMessageW(planet(element), BM_SETCHECK, BST_UNCHECKED, 0);
    keepOnePlanetTabStop(controls_.planets);
}

std::string Win32ExerciseControls::answerItem(std::int16_t position) const {
    return narrow(listItemText(existing(controls_.answers, "List1 element 0"), position));
}

std::string Win32ExerciseControls::referenceItem(std::int16_t position) const {
    return hidden_.referenceItem(position);
}

void Win32ExerciseControls::appendAnswer(const std::string& item) {
    const std::wstring text = widen(item);
    SendMessageW(existing(controls_.answers, "List1 element 0"), LB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(text.c_str()));
}

void Win32ExerciseControls::removeAnswer(std::int16_t position) {
    HWND list = existing(controls_.answers, "List1 element 0");
    const std::int16_t selected = answerSelection();
    if (SendMessageW(list, LB_DELETESTRING, static_cast<WPARAM>(position), 0) == LB_ERR) {
        throw std::out_of_range("List1 element 0 has no item " + std::to_string(position));
    }
    selectAnswer(list, selectionAfterRemoval(selected, position));
    // The focus mark stays where the name was, or goes to the last one.
    const auto count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    if (count > 0) {
        SendMessageW(list, LB_SETCARETINDEX, static_cast<WPARAM>(std::min<int>(position, count - 1)),
                     FALSE);
    }
}

void Win32ExerciseControls::removeAllAnswers() {
    SendMessageW(existing(controls_.answers, "List1 element 0"), LB_RESETCONTENT, 0, 0);
}

// The answer list lets the keyboard move its focus mark apart from its
// selection, as a list of several selections does; it never holds more
// than one, since the exercise takes a selected name back at once.
std::int16_t Win32ExerciseControls::answerSelection() const {
    HWND list = existing(controls_.answers, "List1 element 0");
    int selected = -1;
    if (SendMessageW(list, LB_GETSELCOUNT, 0, 0) > 0) {
        SendMessageW(list, LB_GETSELITEMS, 1, reinterpret_cast<LPARAM>(&selected));
    }
    return static_cast<std::int16_t>(selected);
}

void Win32ExerciseControls::clearAnswerSelection() {
    selectAnswer(existing(controls_.answers, "List1 element 0"), -1);
}

void Win32ExerciseControls::selectAnswer(HWND list, std::int16_t position) {
    SendMessageW(list, LB_SETSEL, FALSE, -1);
    if (position >= 0) {
        SendMessageW(list, LB_SETSEL, TRUE, position);
    }
}

void Win32ExerciseControls::setMessage(const std::string& text) {
    SetWindowTextW(existing(controls_.message, "Text1 element 0"), widen(text).c_str());
}

}  // namespace veltara

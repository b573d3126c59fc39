#include "win32_exercise_controls.h"

#include <stdexcept>
#include <string>

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

std::wstring listItemText(HWND list, int position) {
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(position), 0);
    if (position < 0 || length == LB_ERR) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied = SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(position),
                                        reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
    return text;
}

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
    const std::int16_t keep = selectionAfterRemoval(selected, position);
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(keep), 0);
}

void Win32ExerciseControls::removeAllAnswers() {
    SendMessageW(existing(controls_.answers, "List1 element 0"), LB_RESETCONTENT, 0, 0);
}

std::int16_t Win32ExerciseControls::answerSelection() const {
    const LRESULT selected =
        SendMessageW(existing(controls_.answers, "List1 element 0"), LB_GETCURSEL, 0, 0);
    return selected == LB_ERR ? std::int16_t{-1} : static_cast<std::int16_t>(selected);
}

void Win32ExerciseControls::clearAnswerSelection() {
    SendMessageW(existing(controls_.answers, "List1 element 0"), LB_SETCURSEL,
                 static_cast<WPARAM>(-1), 0);
}

void Win32ExerciseControls::setMessage(const std::string& text) {
    SetWindowTextW(existing(controls_.message, "Text1 element 0"), widen(text).c_str());
}

}  // namespace veltara

// What a pupil can do to a real window and read off it, whatever toolkit
// built it. Each window layer's tests drive their window through this, so
// that the same scenarios run on every layer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "catalogue.h"
#include "main_form_description.h"

namespace veltara::testing {

// A rectangle of the window's picture, in pixels.
struct PictureBox {
    int left;
    int top;
    int width;
    int height;
};

// The window's client area as the screen shows it, row by row.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;
    Rgb at(int x, int y) const {
        return pixels.at(static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x));
    }
};

// The keys a pupil presses, wherever the keyboard focus is.
enum class Key { Tab, BackTab, Left, Right, Up, Down, Home, End, PageUp, PageDown, Space, Enter, Escape };

class PupilWindow {
public:
    PupilWindow() = default;
    PupilWindow(const PupilWindow&) = delete;
    PupilWindow& operator=(const PupilWindow&) = delete;
    virtual ~PupilWindow() = default;

    // Mouse clicks, each in the middle of what it names.
    virtual void clickPlanet(int element) = 0;
    virtual void clickAnswer(int position) = 0;
    // A double-click as the pupil's mouse gives it, in the middle of the
    // answer list's row at a position counted from its first name; a
    // position past the last name is the empty space below it.
    virtual void doubleClickAnswer(int position) = 0;
    virtual void clickClear() = 0;
    // One click, or two as a double-click, at a point of the window's
    // picture, on whatever stands there.
    virtual void clickInPicture(int x, int y, std::int16_t clicks) = 0;
    virtual void press(Key key) = 0;

    virtual std::vector<std::string> answers() = 0;
    virtual bool answerSelected() = 0;
    // The answer list's focus mark: the position the keyboard is on, or -1.
    virtual int answerMark() = 0;
    // The control with the keyboard focus, by array and element: "Option1_3".
    virtual std::string focused() = 0;
    virtual std::string caption(int element) = 0;
    virtual bool planetSelected(int element) = 0;
    virtual std::string message() = 0;
    virtual std::vector<std::string> referenceItems() = 0;
    virtual std::string quotation() = 0;

    virtual Picture picture() = 0;
    // Where a shown control stands in the picture.
    virtual PictureBox placeInPicture(ControlArray array, std::int16_t element) = 0;
};

}  // namespace veltara::testing

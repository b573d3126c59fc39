// The control operations the exercise needs from its window. The exercise
// holds no model of its own: it reads and writes these controls only, so it
// runs over real widgets and over a fake set of controls in the tests alike.
#pragma once

#include <cstdint>
#include <string>

namespace veltara {

class ExerciseControls {
public:
    ExerciseControls() = default;
    ExerciseControls(const ExerciseControls&) = delete;
    ExerciseControls& operator=(const ExerciseControls&) = delete;
    virtual ~ExerciseControls() = default;

    // Planet buttons, elements 0 to 12.
    virtual std::string planetCaption(std::int16_t element) const = 0;
    virtual void setPlanetCaption(std::int16_t element, const std::string& caption) = 0;
    // Afterwards the button is not the selected one of its group, so a later
    // press on it is reported as a click again.
    virtual void setPlanetSelectedOff(std::int16_t element) = 0;

    // Items of the answer list and the reference list; any position that
    // holds no item, -1 included, reads as the empty text.
    virtual std::string answerItem(std::int16_t position) const = 0;
    virtual std::string referenceItem(std::int16_t position) const = 0;

    // The new item goes to the end; the selection does not change.
    virtual void appendAnswer(const std::string& item) = 0;
    // Later items move up one place; removing the selected item leaves no
    // selection.
    virtual void removeAnswer(std::int16_t position) = 0;
    virtual void removeAllAnswers() = 0;
    // The selected position, or -1 for none.
    virtual std::int16_t answerSelection() const = 0;
    virtual void clearAnswerSelection() = 0;

    // Replaces the whole text of the message area.
    virtual void setMessage(const std::string& text) = 0;
};

}  // namespace veltara

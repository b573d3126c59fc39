// The rules of the exercise: three click handlers and the three routines they
// call. The window owns one OrderingExercise and forwards its clicks to it;
// everything the exercise knows is read back from the controls, except the
// element index of the planet button whose click was handled last.
#pragma once

#include <cstdint>

#include "exercise_controls.h"

namespace veltara {

class OrderingExercise {
public:
    explicit OrderingExercise(ExerciseControls& controls) : controls_(controls) {}

    // A planet button became the selected one of its group.
    void Option1_Click(std::int16_t Index);
    // The selection of a list box changed; only the answer list (0) acts.
    void List1_Click(std::int16_t Index);
    // A command button was pressed; only the clear button (0) acts.
    void Command1_Click(std::int16_t Index);

    std::int16_t selectedIndex() const { return SelectedIndex; }

private:
    void AddChosenPlanet();
    void CheckOrder();
    void ResetExercise();

    ExerciseControls& controls_;
    std::int16_t SelectedIndex = 0;
};

}  // namespace veltara

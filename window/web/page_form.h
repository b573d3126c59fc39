// The window as a page: builds its controls from the window's description
// and routes the pupil's clicks and keys to the exercise, as the desktop
// windows do.
#pragma once

#include "answer_list.h"
#include "dom.h"
#include "hidden_controls.h"
#include "main_form_description.h"
#include "ordering_exercise.h"
#include "planet_group.h"
#include "web_exercise_controls.h"

namespace veltara {

class PageForm {
public:
    PageForm();
    PageForm(const PageForm&) = delete;
    PageForm& operator=(const PageForm&) = delete;

    // An event of the control the target names (see page_form.cpp); true
    // where the browser is to do nothing of its own.
    bool onEvent(int target, const dom::EventInfo& info);

private:
    dom::Element build(const ControlDescription& control, dom::Element parent);
    dom::Element buildFrame(const ControlDescription& control, dom::Element parent);
    void addCategoryMark(const ControlDescription& control, dom::Element shown);
    bool onPlanet(std::int16_t element, const dom::EventInfo& info);
    bool onAnswerList(const dom::EventInfo& info);
    bool onClearButton(const dom::EventInfo& info);
    void choosePlanet(std::int16_t element);
    void takeBack(std::int16_t position);

    HiddenControls hidden_;
    PlanetGroup planets_;
    AnswerList answers_;
    WebExerciseControls controls_;
    OrderingExercise exercise_;
    dom::Element form_ = dom::kNoElement;
    dom::Element frame_ = dom::kNoElement;
    dom::Element message_ = dom::kNoElement;
    // The first and the last control that Tab stops at: Tab goes round.
    dom::Element firstStop_ = dom::kNoElement;
    dom::Element lastStop_ = dom::kNoElement;
};

}  // namespace veltara

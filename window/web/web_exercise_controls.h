// The exercise's control operations on the page's controls; the hidden
// reference list is read from HiddenControls, in the program's memory only.
#pragma once

#include "answer_list.h"
#include "dom.h"
#include "exercise_controls.h"
#include "hidden_controls.h"
#include "planet_group.h"

namespace veltara {

class WebExerciseControls final : public ExerciseControls {
public:
    WebExerciseControls(PlanetGroup& planets, AnswerList& answers, const HiddenControls& hidden)
        : planets_(planets), answers_(answers), hidden_(hidden) {}

    // box: the message area; spoken: the live region that announces a verdict.
    void attachMessageArea(dom::Element box, dom::Element spoken);

    std::string planetCaption(std::int16_t element) const override;
    void setPlanetCaption(std::int16_t element, const std::string& caption) override;
    void setPlanetSelectedOff(std::int16_t element) override;
    std::string answerItem(std::int16_t position) const override;
    std::string referenceItem(std::int16_t position) const override;
    void appendAnswer(const std::string& item) override;
    void removeAnswer(std::int16_t position) override;
    void removeAllAnswers() override;
    std::int16_t answerSelection() const override;
    void clearAnswerSelection() override;
    void setMessage(const std::string& text) override;

private:
    PlanetGroup& planets_;
    AnswerList& answers_;
    const HiddenControls& hidden_;
    dom::Element message_ = dom::kNoElement;
    dom::Element spoken_ = dom::kNoElement;
};

}  // namespace veltara

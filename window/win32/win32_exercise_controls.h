// The exercise's control operations on the real Win32 controls, through the
// controls' own messages. None of these messages makes a control notify its
// parent, so the routines' own operations report no click.
#pragma once

#include <windows.h>

#include "exercise_controls.h"
#include "hidden_controls.h"
#include "planet_group.h"

namespace veltara {

struct Win32Controls {
    PlanetButtons planets{};
    HWND answers = nullptr;
    HWND message = nullptr;
};

class Win32ExerciseControls final : public ExerciseControls {
public:
    explicit Win32ExerciseControls(const Win32Controls& controls) : controls_(controls) {}

    const HiddenControls& hidden() const { return hidden_; }

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
    HWND planet(std::int16_t element) const;
    static void selectAnswer(HWND list, std::int16_t position);

    const Win32Controls& controls_;
    HiddenControls hidden_{mainFormDescription()};
};

}  // namespace veltara

#include "page_form.h"

#include "control_names.h"
#include "page_keys.h"
#include "page_style.h"
#include "planet_arrow_keys.h"
#include "tab_order.h"

namespace veltara {

namespace {

// Event targets: a planet's element index, or one of these.
constexpr int kAnswerListTarget = 100;
constexpr int kClearButtonTarget = 101;
constexpr int kFrameTarget = 102;
constexpr int kFirstStopTarget = 103;
constexpr int kLastStopTarget = 104;

bool isKey(const dom::EventInfo& info, Key key) {
    return info.event == dom::Event::KeyDown && info.key == static_cast<int>(key);
}

bool focusStop(dom::Element stop) {
    dom::focus(stop);
    return true;
}

dom::Element createShown(const char* tag, dom::Element parent, const ControlDescription& control,
                         const char* kind) {
    const dom::Element shown = dom::create(tag, parent, controlName(control));
    dom::setAttribute(shown, "class", kind);
    return shown;
}

}  // namespace

PageForm::PageForm()
    : hidden_(mainFormDescription()), controls_(planets_, answers_, hidden_), exercise_(controls_) {
    const WindowDescription& form = mainFormDescription();
    dom::nameKeys(kKeyNames);
    dom::setTitle(form.caption);
    dom::addStyleSheet(pageStyleSheet(form));
    form_ = dom::create("div", dom::kNoElement, "form");
    // The window is an application, not a document to be read: a screen
    // reader in a browser gives it the keys (Orca and NVDA stay in focus
    // mode), so that the arrow keys move among the planets as in the
    // desktop windows, instead of the reader's own reading cursor.
    dom::setAttribute(form_, "role", "application");
    for (const ControlDescription* control : shownControlsInTabOrder(form)) {
        if (control->insideFrame) {
            continue;
        }
        const dom::Element shown = build(*control, form_);
        if (control->kind == ControlKind::Frame) {
            // As the pupil reads them: a screen reader reads the page, and
            // counts a radio's place in its group, in the DOM's order,
            // which in the tab order would be the answer.
            for (const std::int16_t element : planetsInReadingOrder()) {
                build(form.control(ControlArray::Option1, element), frame_);
            }
        }
        if (control->takesFocus()) {
            firstStop_ = firstStop_ == dom::kNoElement ? shown : firstStop_;
            lastStop_ = shown;
        }
    }
    dom::listen(firstStop_, dom::Event::KeyDown, kFirstStopTarget);
    dom::listen(lastStop_, dom::Event::KeyDown, kLastStopTarget);
    // Where the verdict is announced, wherever the focus is.
    const dom::Element spoken = dom::create("div", dom::kNoElement, "");
    dom::setAttribute(spoken, "class", "spoken");
    dom::setAttribute(spoken, "aria-live", "polite");
    controls_.attachMessageArea(message_, spoken);
    dom::fitToScreen();
    dom::focus(message_);
}

dom::Element PageForm::build(const ControlDescription& control, dom::Element parent) {
    switch (control.kind) {
    case ControlKind::Label: {
        const dom::Element label = createShown("div", parent, control, "label");
        dom::setText(label, control.text);
        addCategoryMark(control, label);
        return label;
    }
    case ControlKind::Frame:
        frame_ = buildFrame(control, parent);
        return frame_;
    case ControlKind::OptionButton: {
        const dom::Element button = createShown("div", parent, control, "planet");
        dom::setAttribute(dom::create("span", button, ""), "class", "dot");
        const dom::Element caption = dom::create("span", button, "");
        addCategoryMark(control, button);
        planets_.attach(control, button, caption);
        dom::listen(button, dom::Event::Click, control.element);
        dom::listen(button, dom::Event::KeyDown, control.element);
        dom::listen(button, dom::Event::FocusIn, control.element);
        return button;
    }
    case ControlKind::ListBox: {
        const dom::Element list = createShown("div", parent, control, "list");
        dom::setAttribute(list, "role", "listbox");
        dom::setAttribute(list, "tabindex", "0");
        dom::setAttribute(list, "aria-label", control.accessibleName);
        answers_.attach(list, twipsToPixelsAt96Dpi(control.place.height));
        for (const std::string& item : control.items) {
            answers_.append(item);
        }
        dom::listen(list, dom::Event::Click, kAnswerListTarget);
        dom::listen(list, dom::Event::KeyDown, kAnswerListTarget);
        return list;
    }
    case ControlKind::TextBox:
        // The pupil reads the message area and cannot type into it.
        message_ = createShown("textarea", parent, control, "box");
        dom::setAttribute(message_, "readonly", "");
        dom::setAttribute(message_, "aria-label", control.accessibleName);
        dom::setValue(message_, control.text);
        return message_;
    case ControlKind::CommandButton: {
        const dom::Element button = createShown("button", parent, control, "button");
        dom::setAttribute(button, "type", "button");
        // Safari on macOS leaves buttons out of the Tab order unless told.
        dom::setAttribute(button, "tabindex", "0");
        dom::setText(button, control.text);
        dom::listen(button, dom::Event::Click, kClearButtonTarget);
        dom::listen(button, dom::Event::KeyDown, kClearButtonTarget);
        return button;
    }
    }
    return dom::kNoElement;
}

dom::Element PageForm::buildFrame(const ControlDescription& control, dom::Element parent) {
    const dom::Element frame = createShown("div", parent, control, "frame");
    const std::string captionId = controlName(control) + "_caption";
    const dom::Element caption = dom::create("span", frame, captionId);
    dom::setAttribute(caption, "class", "caption");
    dom::setText(caption, control.text);
    dom::setAttribute(frame, "role", "radiogroup");
    dom::setAttribute(frame, "aria-labelledby", captionId);
    dom::listen(frame, dom::Event::FocusOut, kFrameTarget);
    return frame;
}

// Shown under forced colours only, where the control's face loses its colour.
void PageForm::addCategoryMark(const ControlDescription& control, dom::Element shown) {
    if (control.category) {
        const dom::Element mark = dom::create("span", shown, "");
        dom::setAttribute(mark, "class", "mark");
        dom::setAttribute(mark, "aria-hidden", "true");
    }
}

bool PageForm::onEvent(int target, const dom::EventInfo& info) {
    if (target >= 0 && target < kPlanetCount) {
        return onPlanet(static_cast<std::int16_t>(target), info);
    }
    switch (target) {
    case kAnswerListTarget:
        return onAnswerList(info);
    case kClearButtonTarget:
        return onClearButton(info);
    case kFirstStopTarget:
        return isKey(info, Key::Tab) && info.shift && focusStop(lastStop_);
    case kLastStopTarget:
        return isKey(info, Key::Tab) && !info.shift && focusStop(firstStop_);
    case kFrameTarget:
        if (info.event == dom::Event::FocusOut && info.child == 0) {
            planets_.focusLeft();
        }
        return false;
    default:
        return false;
    }
}

bool PageForm::onPlanet(std::int16_t element, const dom::EventInfo& info) {
    switch (info.event) {
    case dom::Event::Click:
        choosePlanet(element);
        return false;
    case dom::Event::FocusIn:
        planets_.focusEntered(element);
        return false;
    default:
        break;
    }
    if (isKey(info, Key::Space)) {
        choosePlanet(element);
        return true;
    }
    static constexpr std::pair<Key, ArrowKey> kArrows[] = {
        {Key::Left, ArrowKey::Left}, {Key::Right, ArrowKey::Right},
        {Key::Up, ArrowKey::Up},     {Key::Down, ArrowKey::Down}};
    for (const auto& [key, arrow] : kArrows) {
        if (isKey(info, key)) {
            dom::focus(planets_.button(planetReachedByArrow(element, arrow)));
            return true;
        }
    }
    return isKey(info, Key::Enter) || isKey(info, Key::Escape);
}

void PageForm::choosePlanet(std::int16_t element) {
    // Reported only when the button goes from not selected to selected.
    if (planets_.select(element)) {
        exercise_.Option1_Click(element);
    }
}

bool PageForm::onAnswerList(const dom::EventInfo& info) {
    if (info.event == dom::Event::Click) {
        // The second click of a double-click takes back nothing more.
        if ((info.clicks == 0 || info.clicks % 2 == 1) && info.child >= 0) {
            takeBack(static_cast<std::int16_t>(info.child));
        }
        return false;
    }
    if (isKey(info, Key::Space)) {
        takeBack(answers_.mark());
        return true;
    }
    if (info.event == dom::Event::KeyDown) {
        return answers_.moveMark(static_cast<Key>(info.key)) || isKey(info, Key::Enter) ||
               isKey(info, Key::Escape);
    }
    return false;
}

void PageForm::takeBack(std::int16_t position) {
    // The selection changed: the answer list's click.
    if (answers_.select(position)) {
        exercise_.List1_Click(0);
    }
}

bool PageForm::onClearButton(const dom::EventInfo& info) {
    if (info.event == dom::Event::Click) {
        exercise_.Command1_Click(0);
        return false;
    }
    // Neither the default (Enter) nor the cancel (Esc) button.
    return isKey(info, Key::Enter) || isKey(info, Key::Escape);
}

}  // namespace veltara

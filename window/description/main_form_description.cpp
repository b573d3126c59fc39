#include "main_form_description.h"

#include <algorithm>
#include <stdexcept>

namespace veltara {

namespace {

const Rgb kWindowColour{192, 192, 255};
const Rgb kTitleColour{255, 192, 128};
const Rgb kClearButtonColour{255, 0, 0};

// The assignment: nine lines, each ended by CR LF. Ceres is spelled as in
// the catalogue, with a Latin p in third place.
const char* const kAssignmentText =
    "В Слънчевата система видовете планети са :земеподобни (Венера, Земя, Марс, Меркурий), газови гиганти (Нептун, Сатурн, Уран), планети джуджета (Ерида, Макемаке, Плутон, Хаумея, Це\x70ера).\r\n"
    "Да се реализира проект, представящ междупредметни връзки Физика (Астрономия) и Информатика.\r\n"
    "Тема на проекта: Велтара.\r\n"
    "Да се въведат като радиобутони различни названия на отделните планети в Слънчевата система. \r\n"
    "Радиобутоните са наредени азбучно. Потребителят трябва да посочва отделните планети във възходяща последователност по отношение разстоянието им до Слънцето.\r\n"
    "Всяко събитие On-Click върху активен радиобутон му изтрива името и го добавя в последния ред на отделно списъчно поле.\r\n"
    "Всяко събитие On-Click върху ред от списъчното поле довежда до изтриване на съответния ред и възстановяване името на съответния радиобутон.\r\n"
    "След посочване и на последната планета да се извежда съобщение дали реализираната наредба е правилна или не.\r\n"
    "Съберете допълнително информация за отделните планети.\r\n";

// Kept in a hidden text box: three lines, each ended by CR LF.
const char* const kQuotationText =
    "Неприятното в това да си първият, направил нещо по \r\n"
    "правилния начин, е, че никой не оценява колко трудно е \r\n"
    "било. \r\n";

const char* const kAnswerHeading = "по разстояние до Слънце";
const char* const kMessageAreaName = "поле за съобщения";

// What a chosen planet's button is called: what a sighted pupil sees there,
// an empty button at its place in the frame. The colour is its description.
const char* const kEmptyButton = "празен бутон";
const char* const kLeftColumn = "в лявата колона";
const char* const kRightColumn = "в дясната колона";
const char* const kMiddle = "в средата";
const char* const kRow = "ред";

// The place of a button in the frame, read off the catalogue: its row
// counted from the top, and its column, or the middle where it stands
// alone in its row.
std::string emptyButtonName(const PlanetRow& button) {
    std::vector<int> tops;
    int neighbour = -1;
    for (const PlanetRow& row : kCatalogue) {
        if (std::find(tops.begin(), tops.end(), row.top) == tops.end()) {
            tops.push_back(row.top);
        }
        if (row.top == button.top && row.index != button.index) {
            neighbour = row.left;
        }
    }
    std::sort(tops.begin(), tops.end());
    const auto rowNumber = std::find(tops.begin(), tops.end(), button.top) - tops.begin() + 1;
    const char* column = kMiddle;
    if (neighbour >= 0) {
        column = button.left < neighbour ? kLeftColumn : kRightColumn;
    }
    return std::string(kEmptyButton) + " " + column + ", " + kRow + " " + std::to_string(rowNumber);
}

std::vector<std::string> catalogueNames() {
    std::vector<std::string> names;
    for (std::string_view name : referenceNames()) {
        names.emplace_back(name);
    }
    return names;
}

ControlDescription planetButton(const PlanetRow& row) {
    ControlDescription button{
        ControlKind::OptionButton,
        ControlArray::Option1,
        row.index,
        {row.left, row.top, kPlanetButtonWidth, kPlanetButtonHeight},
        true,
        row.colour(),
        std::string(row.name),
        {},
        row.tabIndex,
    };
    button.accessibleName = emptyButtonName(row);
    button.accessibleDescription = std::string(categoryLegend(row.category));
    button.category = row.category;
    return button;
}

ControlDescription label(std::int16_t element, TwipsRect place, Rgb colour, std::string text,
                         std::int16_t tabIndex) {
    return {ControlKind::Label, ControlArray::Label1, element, place, false, colour,
            std::move(text), {}, tabIndex};
}

ControlDescription legend(std::int16_t element, int left, Category category, std::int16_t tabIndex) {
    ControlDescription legendLabel = label(element, {left, 3120, 2175, 375}, categoryColour(category),
                                           std::string(categoryLegend(category)), tabIndex);
    legendLabel.category = category;
    return legendLabel;
}

ControlDescription textBox(std::int16_t element, TwipsRect place, std::string text,
                           std::int16_t tabIndex, bool visible) {
    ControlDescription box{ControlKind::TextBox, ControlArray::Text1, element, place, false,
                           std::nullopt, std::move(text), {}, tabIndex};
    box.visible = visible;
    box.multiLine = true;
    return box;
}

WindowDescription buildMainForm() {
    WindowDescription form{
        6915,
        5475,
        kWindowColour,
        "https://veltara.example " + std::string(kProgramName),
        {"Times New Roman", 12, 400, false, false, false},
        {},
    };
    auto& controls = form.controls;
    controls.push_back(textBox(0, {120, 3600, 6735, 1815}, kAssignmentText, 0, true));
    controls.back().accessibleName = kMessageAreaName;
    controls.push_back(textBox(1, {480, 3840, 6735, 1815}, kQuotationText, 1, false));
    controls.push_back(label(0, {960, 0, 4575, 375}, kTitleColour, std::string(kProgramName), 2));
    controls.push_back({ControlKind::Frame, ControlArray::Frame1, 0, {240, 480, 3495, 2535}, false,
                        kWindowColour, "Планети - по азбучен ред", {}, 3});
    for (const PlanetRow& row : kCatalogue) {
        controls.push_back(planetButton(row));
    }
    controls.push_back({ControlKind::ListBox, ControlArray::List1, 0, {3840, 960, 2895, 1485},
                        false, std::nullopt, "", {}, 11});
    controls.back().accessibleName = kAnswerHeading;
    ControlDescription reference{ControlKind::ListBox, ControlArray::List1, 1,
                                 {6240, 600, 1335, 2055}, false, std::nullopt, "",
                                 catalogueNames(), 12};
    reference.visible = false;
    controls.push_back(reference);
    controls.push_back({ControlKind::CommandButton, ControlArray::Command1, 0,
                        {4320, 2640, 1935, 375}, false, kClearButtonColour, "Чисти", {}, 13});
    controls.push_back(label(1, {3840, 600, 2895, 375}, kTitleColour, kAnswerHeading, 14));
    controls.push_back(legend(2, 120, Category::Terrestrial, 21));
    controls.push_back(legend(3, 2400, Category::GasGiant, 22));
    controls.push_back(legend(4, 4680, Category::DwarfPlanet, 23));
    std::stable_sort(controls.begin(), controls.end(),
                     [](const ControlDescription& a, const ControlDescription& b) {
                         return a.tabIndex < b.tabIndex;
                     });
    return form;
}

}  // namespace

std::string_view arrayName(ControlArray array) {
    switch (array) {
    case ControlArray::Text1:
        return "Text1";
    case ControlArray::Label1:
        return "Label1";
    case ControlArray::Frame1:
        return "Frame1";
    case ControlArray::Option1:
        return "Option1";
    case ControlArray::List1:
        return "List1";
    case ControlArray::Command1:
        return "Command1";
    }
    return {};
}

const ControlDescription& WindowDescription::control(ControlArray array,
                                                     std::int16_t element) const {
    for (const ControlDescription& candidate : controls) {
        if (candidate.array == array && candidate.element == element) {
            return candidate;
        }
    }
    throw std::out_of_range("the window has no such control");
}

std::string fatalErrorReport(std::string_view what) {
    return std::string(kProgramName) + ": неочаквана грешка: " + std::string(what);
}

std::string cannotShowWindowReport() {
    return std::string(kProgramName) + ": прозорецът не може да се отвори: няма достъп до екран.";
}

const WindowDescription& mainFormDescription() {
    static const WindowDescription form = buildMainForm();
    return form;
}

}  // namespace veltara

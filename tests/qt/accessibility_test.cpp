// What a screen reader finds in the window, read in-process through Qt's
// accessibility interfaces: roles and names, a chosen button's name, no
// trace of the hidden answer, and the verdict's announcement.
#include <QAccessible>
#include <map>
#include <set>

#include "accessibility.h"
#include "main_form_description.h"
#include "verdicts.h"
#include "window_fixture.h"
#include "window_scenarios.h"

// Readable texts in the failure reports.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) { *out << text.toStdString(); }
QT_END_NAMESPACE

namespace veltara::testing {
namespace {

QString textOf(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

const ControlDescription& described(ControlArray array, int element) {
    return mainFormDescription().control(array, static_cast<std::int16_t>(element));
}

// An object attribute, as the AT-SPI bridge gives it; Qt gives none before 6.8.
constexpr bool kAttributesTold = QT_VERSION >= QT_VERSION_CHECK(6, 8, 0);
QString attribute([[maybe_unused]] QAccessibleInterface* node, [[maybe_unused]] const char* name) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (QAccessibleAttributesInterface* attributes = node->attributesInterface()) {
        const QVariant custom = attributes->attributeValue(QAccessible::Attribute::Custom);
        return custom.value<QHash<QString, QString>>().value(QLatin1String(name));
    }
#endif
    return {};
}

// Every interface under the window, the window's own first.
std::vector<QAccessibleInterface*> tree(QAccessibleInterface* root) {
    std::vector<QAccessibleInterface*> found{root};
    for (std::size_t next = 0; next < found.size(); ++next) {
        for (int i = 0; i < found[next]->childCount(); ++i) {
            if (QAccessibleInterface* child = found[next]->child(i)) {
                found.push_back(child);
            }
        }
    }
    return found;
}

// What was announced, in order: the verdicts told (on Qt 6.8 and later as
// announcements, before as notifications shown), and where the focus was
// told to come, with the object it came to; and the controls that told they
// lost the focus.
struct Announcement {
    QString name;
    bool focus = false;
    bool checked = false;
    QAccessible::Id object = 0;
};
std::vector<Announcement> told;
std::vector<QObject*> lostFocus;
void recordAnnouncement(QAccessibleEvent& event) {
    QAccessibleInterface* source = event.accessibleInterface();
    if (event.type() == QAccessible::StateChanged && source != nullptr &&
        static_cast<QAccessibleStateChangeEvent&>(event).changedStates().focused &&
        !source->state().focused) {
        lostFocus.push_back(source->object());
    }
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (event.type() == QAccessible::Announcement) {
        told.push_back({static_cast<QAccessibleAnnouncementEvent&>(event).message()});
        return;
    }
#endif
    if (source != nullptr &&
        (event.type() == QAccessible::Focus || source->role() == QAccessible::Notification)) {
        told.push_back({source->text(QAccessible::Name), event.type() == QAccessible::Focus,
                        source->state().checked != 0, QAccessible::uniqueId(source)});
    }
}
std::vector<QString> notifications() {
    std::vector<QString> names;
    for (const Announcement& announcement : told) {
        if (!announcement.focus) {
            names.push_back(announcement.name);
        }
    }
    return names;
}

class Accessibility : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        told.clear();
        lostFocus.clear();
        listenToAnnouncements(&recordAnnouncement);
    }
    void TearDown() override {
        listenToAnnouncements(nullptr);
        WindowTest::TearDown();
    }

    QAccessibleInterface* window() { return QAccessible::queryAccessibleInterface(&form()); }
    static QAccessibleInterface* of(QWidget* widget) { return QAccessible::queryAccessibleInterface(widget); }
    // The verdict is told once the click has been handled.
    void choose(const std::vector<int>& elements) {
        for (int element : elements) {
            clickPlanet(element);
            QCoreApplication::processEvents();
        }
    }
};

TEST_F(Accessibility, EveryReachableControlHasItsRoleAndName) {
    EXPECT_EQ(window()->role(), QAccessible::Window);
    EXPECT_EQ(window()->text(QAccessible::Name), textOf(mainFormDescription().caption));
    std::map<QString, std::pair<QAccessible::Role, QString>> expected;
    for (const ControlDescription& control : mainFormDescription().controls) {
        if (!control.visible) {
            continue;  // the hidden two: see below
        }
        const QString name = textOf(control.accessibleName.empty() ? control.text : control.accessibleName);
        const QString id = objectNameOf(control.array, control.element);
        switch (control.kind) {
        case ControlKind::Label: expected[id] = {QAccessible::StaticText, name}; break;
        case ControlKind::Frame: expected[id] = {QAccessible::Grouping, name}; break;
        case ControlKind::OptionButton: expected[id] = {QAccessible::RadioButton, textOf(control.text)}; break;
        case ControlKind::ListBox: expected[id] = {QAccessible::List, name}; break;
        case ControlKind::TextBox: expected[id] = {QAccessible::EditableText, name}; break;
        case ControlKind::CommandButton: expected[id] = {QAccessible::PushButton, name}; break;
        }
    }
    std::map<QString, std::pair<QAccessible::Role, QString>> found;
    for (QAccessibleInterface* node : tree(window())) {
        const QString name = node->object() != nullptr ? node->object()->objectName() : QString();
        if (expected.count(name) != 0) {
            found[name] = {node->role(), node->text(QAccessible::Name)};
        }
    }
    EXPECT_EQ(found, expected);

    QAccessibleInterface* planet = of(this->planet(4));
    EXPECT_EQ(planet->text(QAccessible::Description), QStringLiteral("планети джуджета"));
    EXPECT_EQ(planet->parent()->role(), QAccessible::Grouping);
    QAccessibleInterface* message = of(messageArea());
    EXPECT_TRUE(message->state().readOnly);
    ASSERT_NE(message->textInterface(), nullptr);
    EXPECT_EQ(message->textInterface()->text(0, message->textInterface()->characterCount()),
              messageArea()->toPlainText());
}

// Thirteen names do not fit in the list's height. Orca 48 counts only the
// names it is told are showing, unless the list tells its set size: the
// readers are told all of them, and again after a take-back.
TEST_F(Accessibility, TheAnswerListTellsHowManyNamesItHolds) {
    choose(distanceOrder());
    for (const int count : {13, 12}) {
        QAccessibleInterface* list = of(answerList());
        ASSERT_EQ(list->childCount(), count);
        int outOfSight = 0;
        for (int row = 0; row < count; ++row) {
            QAccessibleInterface* item = list->child(row);
            EXPECT_EQ(item->text(QAccessible::Name), answerList()->item(row)->text()) << row;
            EXPECT_EQ(list->indexOfChild(item), row);
            outOfSight += item->state().invisible ? 1 : 0;
            if (kAttributesTold) {
                EXPECT_EQ(attribute(item, "posinset"), QString::number(row + 1));
                EXPECT_EQ(attribute(item, "setsize"), QString::number(count));
            }
        }
        EXPECT_GT(outOfSight, 0);
        EXPECT_EQ(attribute(list, "setsize"), kAttributesTold ? QString::number(count) : QString());
        // The names below the first move up; before Qt 6.8 the toolkit's list
        // hears of that only while a reader listens: the last goes there.
        clickAnswer(kAttributesTold ? 0 : count - 1);
    }
}

TEST_F(Accessibility, AChosenButtonIsNamedForWhatASightedPupilSees) {
    choose(distanceOrder());
    std::set<QString> names;
    for (const PlanetRow& row : kCatalogue) {
        QAccessibleInterface* button = of(planet(row.index));
        names.insert(button->text(QAccessible::Name));
        EXPECT_EQ(button->text(QAccessible::Description), textOf(categoryLegend(row.category)));
    }
    // Thirteen names, none of them the frame's title.
    EXPECT_EQ(names.size(), 13U);
    EXPECT_EQ(names.count(textOf(described(ControlArray::Frame1, 0).text)), 0U);
    QAccessibleInterface* mars = of(planet(3));  // left column, third row
    EXPECT_EQ(mars->text(QAccessible::Name), QStringLiteral("празен бутон в лявата колона, ред 3"));
    EXPECT_FALSE(mars->state().checked);
    EXPECT_TRUE(of(planet(12))->state().checked);
    clickAnswer(3);
    EXPECT_EQ(mars->text(QAccessible::Name), QStringLiteral("Марс"));
}

TEST_F(Accessibility, NothingOfTheHiddenAnswerIsReachable) {
    // A second list, or any text holding the quotation's first line.
    const QString quotationLine = textOf(quotation()).section(QStringLiteral("\r\n"), 0, 0);
    const auto hits = [&](QAccessibleInterface* node) {
        if (node->role() == QAccessible::List && node->object() != answerList()) {
            return true;
        }
        QString all = node->text(QAccessible::Name) + node->text(QAccessible::Description) +
                      node->text(QAccessible::Value);
        if (QAccessibleTextInterface* text = node->textInterface()) {
            all += text->text(0, text->characterCount());
        }
        return all.contains(quotationLine);
    };
    for (QAccessibleInterface* node : tree(window())) {
        EXPECT_FALSE(hits(node)) << node->text(QAccessible::Name).toStdString();
    }
    // Hit tests at the places where the two would stand, in the window's
    // own pixels: they find the answer list and the message area, or nothing.
    for (ControlArray array : {ControlArray::List1, ControlArray::Text1}) {
        const TwipsRect& place = described(array, 1).place;
        for (int x = place.left; x < place.right(); x += 150) {
            for (int y = place.top; y < place.bottom(); y += 150) {
                const QPoint at = form().mapToGlobal(QPoint(x / 15, y / 15));
                for (QAccessibleInterface* node = window()->childAt(at.x(), at.y()); node != nullptr;
                     node = node->childAt(at.x(), at.y())) {
                    EXPECT_FALSE(hits(node));
                }
            }
        }
    }
}

// The message area has the focus at start, before any reader listens, and
// the toolkit tells a focus lost only where it told it come. Untold, Orca 48
// holds the message area focused and reads the caret a new verdict moves
// there as the pupil's: the verdict a second time.
TEST_F(Accessibility, TheMessageAreaTellsThatItLostTheFocus) {
    ASSERT_TRUE(messageArea()->hasFocus());
    clickPlanet(0);
    EXPECT_EQ(lostFocus, std::vector<QObject*>{messageArea()});
}

TEST_F(Accessibility, TheVerdictIsAnnouncedWhenTheThirteenthIsPlaced) {
    std::vector<int> order = distanceOrder();
    std::swap(order[0], order[1]);
    choose({order.begin(), order.end() - 1});
    EXPECT_TRUE(notifications().empty());
    choose({order.back()});
    EXPECT_EQ(notifications(), std::vector<QString>{textOf(kWrongOrderVerdict)});
    // Last: what the reader says of the chosen button would cut it short.
    EXPECT_FALSE(told.back().focus);
    clickClear();  // the message area empties: nothing to announce
    choose(distanceOrder());
    EXPECT_EQ(notifications(), (std::vector<QString>{textOf(kWrongOrderVerdict), textOf(kRightOrderVerdict)}));
}

// Orca reads a radio button's toggle as its state alone, and from Qt 6.4
// cannot read a name change: the chosen button is told as the focus coming
// to it, already empty and selected, and to an object the reader has not
// had the focus on, which it would not present again.
TEST_F(Accessibility, ChoosingWithSpaceTellsTheFocusOfTheEmptiedButton) {
    planet(0)->setFocus(Qt::TabFocusReason);
    const QAccessible::Id before = QAccessible::uniqueId(of(planet(0)));
    told.clear();
    press(Key::Space);
    ASSERT_EQ(told.size(), 1U);
    EXPECT_TRUE(told[0].focus);
    EXPECT_TRUE(told[0].checked);
    EXPECT_EQ(told[0].name, of(planet(0))->text(QAccessible::Name));
    EXPECT_TRUE(told[0].name.startsWith(QStringLiteral("празен бутон")));
    EXPECT_NE(told[0].object, before);
}

}  // namespace
}  // namespace veltara::testing

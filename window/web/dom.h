// The few things the web window asks of the page's DOM, each one call into
// the page's script. Elements are known by a handle, a small number the
// script keeps them under.
#pragma once

#include <string>

namespace veltara::dom {

using Element = int;
constexpr Element kNoElement = -1;

// The events the window listens to; the script passes them with the key,
// the child of the listening element that the event came from (-1: none)
// and the click count.
enum class Event : int { Click, KeyDown, FocusIn, FocusOut };

// What an event brings; handled asks the browser to do nothing of its own.
struct EventInfo {
    Event event;
    int key;    // an index into the key names given to listenForKeys, or -1
    int child;  // for FocusOut: 1 when the focus stays inside the element
    int clicks;
    bool shift;
};

// Appended to parent (kNoElement: the page's body); an empty id sets none.
Element create(const char* tag, Element parent, const std::string& id);
// Takes the element out of the page; its handle may be given again.
void destroy(Element element);
void setAttribute(Element element, const char* name, const std::string& value);
void removeAttribute(Element element, const char* name);
void setText(Element element, const std::string& text);
void setValue(Element element, const std::string& text);
void removeChildren(Element element);
void focus(Element element);
// Scrolls a scrolling element so that its child stands inside it.
void reveal(Element scroller, Element child);
void addStyleSheet(const std::string& css);
void setTitle(const std::string& title);
// Scales the form whole to the viewport, as the page does on every resize.
void fitToScreen();
// Replaces a live region's content with one new node, which screen readers
// announce even where the text is the same as before.
void announce(Element region, const std::string& text);

// The keys the window tells apart, named as KeyboardEvent.key names them,
// separated by "|"; an event's key is its index here.
void nameKeys(const char* names);
// Events of the element reach onPageEvent with the target given here.
void listen(Element element, Event event, int target);

// Shows the report where the window was, and takes no more input.
void stop(const std::string& report);
// What the page says if its script fails in a way the window cannot see.
void setUnforeseenErrorReport(const std::string& report);

}  // namespace veltara::dom

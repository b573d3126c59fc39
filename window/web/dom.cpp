#include "dom.h"

#include <emscripten/emscripten.h>

// Each function's body is the page's script; veltaraPage is in page.js.
// NOLINTBEGIN: the macros declare the script's functions.
EM_JS(int, veltara_create, (const char* tag, int parent, const char* id), {
    return veltaraPage.create(UTF8ToString(tag), parent, UTF8ToString(id));
});
EM_JS(void, veltara_destroy, (int element), { veltaraPage.destroy(element); });
EM_JS(void, veltara_set_attribute, (int element, const char* name, const char* value), {
    veltaraPage.element(element).setAttribute(UTF8ToString(name), UTF8ToString(value));
});
EM_JS(void, veltara_remove_attribute, (int element, const char* name), {
    veltaraPage.element(element).removeAttribute(UTF8ToString(name));
});
EM_JS(void, veltara_set_text, (int element, const char* text), {
    veltaraPage.element(element).textContent = UTF8ToString(text);
});
// A text box shows its text from the top, with the caret at its start.
EM_JS(void, veltara_set_value, (int element, const char* text), {
    const box = veltaraPage.element(element);
    box.value = UTF8ToString(text);
    box.setSelectionRange(0, 0);
    box.scrollTop = 0;
});
EM_JS(void, veltara_remove_children, (int element), {
    veltaraPage.element(element).replaceChildren();
});
EM_JS(void, veltara_focus, (int element), { veltaraPage.element(element).focus(); });
EM_JS(void, veltara_reveal, (int scroller, int child), {
    veltaraPage.reveal(veltaraPage.element(scroller), veltaraPage.element(child));
});
EM_JS(void, veltara_add_style_sheet, (const char* css), {
    const sheet = document.createElement("style");
    sheet.textContent = UTF8ToString(css);
    document.head.appendChild(sheet);
});
EM_JS(void, veltara_set_title, (const char* title), { document.title = UTF8ToString(title); });
EM_JS(void, veltara_fit, (), { veltaraPage.fit(); });
EM_JS(void, veltara_announce, (int region, const char* text), {
    const line = document.createElement("p");
    line.textContent = UTF8ToString(text);
    veltaraPage.element(region).replaceChildren(line);
});
EM_JS(void, veltara_name_keys, (const char* names), {
    veltaraPage.keys = UTF8ToString(names).split("|");
});
EM_JS(void, veltara_listen, (int element, int event, int target), {
    veltaraPage.listen(element, event, target);
});
EM_JS(void, veltara_stop, (const char* report), { veltaraPage.stop(UTF8ToString(report)); });
EM_JS(void, veltara_set_unforeseen_error_report, (const char* report), {
    veltaraPage.unforeseenErrorReport = UTF8ToString(report);
});
// NOLINTEND

namespace veltara::dom {

Element create(const char* tag, Element parent, const std::string& id) {
    return veltara_create(tag, parent, id.c_str());
}
void destroy(Element element) { veltara_destroy(element); }
void setAttribute(Element element, const char* name, const std::string& value) {
    veltara_set_attribute(element, name, value.c_str());
}
void removeAttribute(Element element, const char* name) { veltara_remove_attribute(element, name); }
void setText(Element element, const std::string& text) { veltara_set_text(element, text.c_str()); }
void setValue(Element element, const std::string& text) { veltara_set_value(element, text.c_str()); }
void removeChildren(Element element) { veltara_remove_children(element); }
void focus(Element element) { veltara_focus(element); }
void reveal(Element scroller, Element child) { veltara_reveal(scroller, child); }
void addStyleSheet(const std::string& css) { veltara_add_style_sheet(css.c_str()); }
void setTitle(const std::string& title) { veltara_set_title(title.c_str()); }
void fitToScreen() { veltara_fit(); }
void announce(Element region, const std::string& text) { veltara_announce(region, text.c_str()); }
void nameKeys(const char* names) { veltara_name_keys(names); }
void listen(Element element, Event event, int target) {
    veltara_listen(element, static_cast<int>(event), target);
}
void stop(const std::string& report) { veltara_stop(report.c_str()); }
void setUnforeseenErrorReport(const std::string& report) {
    veltara_set_unforeseen_error_report(report.c_str());
}

}  // namespace veltara::dom

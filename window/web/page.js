// The page's side of the web window: the elements the window's C++ builds,
// known by handles; listeners that hand events to it; the report that
// replaces the window when it fails; and the fit of the window to the screen.
var veltaraPage = {
  elements: [],
  keys: [],
  stopped: false,
  unforeseenErrorReport: "",

  element(handle) { return this.elements[handle]; },

  create(tag, parent, id) {
    const element = document.createElement(tag);
    if (id) element.id = id;
    (parent < 0 ? document.body : this.elements[parent]).appendChild(element);
    let handle = this.elements.indexOf(null);
    if (handle < 0) handle = this.elements.push(null) - 1;
    this.elements[handle] = element;
    return handle;
  },

  destroy(handle) {
    this.elements[handle].remove();
    this.elements[handle] = null;
  },

  // The child of element that node stands in, by its position, or -1.
  childIndex(element, node) {
    for (; node && node !== element; node = node.parentNode) {
      if (node.parentNode === element) return Array.prototype.indexOf.call(element.children, node);
    }
    return -1;
  },

  listen(handle, event, target) {
    const element = this.elements[handle];
    element.addEventListener(["click", "keydown", "focusin", "focusout"][event], (e) => {
      if (this.stopped) return;
      let key = -1;
      let child = this.childIndex(element, e.target);
      if (event === 1) {
        key = this.keys.indexOf(e.key);
        if (key < 0 || e.altKey || e.ctrlKey || e.metaKey) return;
      } else if (event === 3) {
        child = element.contains(e.relatedTarget) ? 1 : 0;
      }
      let handled = 0;
      try {
        handled = _veltara_event(target, event, key, child, e.detail | 0, e.shiftKey ? 1 : 0);
      } catch (error) {
        this.stop(this.unforeseenErrorReport);
      }
      if (handled) e.preventDefault();
    });
  },

  // Scrolls scroller the least that shows the whole of child.
  reveal(scroller, child) {
    const top = child.offsetTop;
    const bottom = top + child.offsetHeight;
    if (top < scroller.scrollTop) {
      scroller.scrollTop = top;
    } else if (bottom > scroller.scrollTop + scroller.clientHeight) {
      scroller.scrollTop = bottom - scroller.clientHeight;
    }
  },

  stop(report) {
    if (this.stopped) return;
    this.stopped = true;
    const form = document.getElementById("form");
    if (form) form.remove();
    const shown = document.createElement("pre");
    shown.id = "report";
    shown.setAttribute("role", "alert");
    shown.textContent = report;
    document.body.appendChild(shown);
  },

  // The whole window, scaled to the largest size the viewport holds, its
  // proportions kept, in the middle. Whole pixels keep the text sharp.
  fit() {
    const form = document.getElementById("form");
    if (!form) return;
    const room = document.documentElement;
    const scale = Math.min(room.clientWidth / form.offsetWidth, room.clientHeight / form.offsetHeight);
    const left = Math.floor((room.clientWidth - form.offsetWidth * scale) / 2);
    const top = Math.floor((room.clientHeight - form.offsetHeight * scale) / 2);
    form.style.transform = "translate(" + left + "px," + top + "px) scale(" + scale + ")";
  },
};

window.addEventListener("resize", () => veltaraPage.fit());
window.addEventListener("orientationchange", () => veltaraPage.fit());
// A long press on a control shows no menu.
document.addEventListener("contextmenu", (e) => {
  if (e.target.closest && e.target.closest("#form")) e.preventDefault();
});
// A press on what takes no focus (a label, the frame, the window's face,
// the page round the window) leaves the focus where it is, as in the
// desktop windows, where it would otherwise go to the page itself.
document.addEventListener("mousedown", (e) => {
  if (veltaraPage.stopped) return;
  const control = e.target.closest && e.target.closest("#form [tabindex], #form textarea, #form button");
  if (!control) e.preventDefault();
});
// An error that leaves the window's code, where no handler catches it.
window.addEventListener("error", () => veltaraPage.stop(veltaraPage.unforeseenErrorReport));
Module["onAbort"] = () => veltaraPage.stop(veltaraPage.unforeseenErrorReport);

// One browser, driven through webdriver_bridge.py: the helper runs as a
// child process, and each request is a line on its input answered by a
// line on its output (its header describes the requests).
#pragma once

#include <string>
#include <sys/types.h>

#include "pupil_window.h"

namespace veltara::testing {

class BrowserBridge {
public:
    // Starts the browser of an engine: "chromium", "firefox" or "webkit".
    // Throws std::runtime_error when it does not start.
    explicit BrowserBridge(const std::string& engine);
    BrowserBridge(const BrowserBridge&) = delete;
    BrowserBridge& operator=(const BrowserBridge&) = delete;
    // Ends the helper's input: it closes the browser and removes its profile.
    ~BrowserBridge();

    // What the browser calls itself, with its version.
    const std::string& browser() const { return browser_; }
    const std::string& engine() const { return engine_; }

    // The answer to a request; throws std::runtime_error on an error.
    std::string request(const std::string& line);
    // A function body run in the page; what it returns, as a string.
    std::string script(const std::string& body) { return request("script " + body); }
    // An element's screenshot.
    Picture picture(const std::string& elementId);

private:
    std::string readLine();
    void readExactly(char* into, std::size_t size);
    std::string answer(const std::string& line);

    std::string engine_;
    std::string browser_;
    pid_t helper_ = -1;
    int toHelper_ = -1;
    int fromHelper_ = -1;
    std::string buffered_;
};

}  // namespace veltara::testing

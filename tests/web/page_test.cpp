// What the page is, in every browser: it starts as the window does, holds
// the answer nowhere a tool could read it, and asks the network for nothing.
#include <chrono>
#include <thread>

#include "catalogue.h"
#include "web_fixture.h"
#include "window_scenarios.h"

namespace veltara::testing {
namespace {

// Whether the names stand in the text in their order, each within `gap`
// characters after the one before.
bool holdsInOrder(const std::string& text, const std::vector<std::string>& names, std::size_t from,
                  std::size_t index, std::size_t gap) {
    if (index == names.size()) {
        return true;
    }
    for (std::size_t at = text.find(names[index], from); at != std::string::npos;
         at = text.find(names[index], at + 1)) {
        if (index > 0 && at - from > gap) {
            return false;
        }
        if (holdsInOrder(text, names, at + names[index].size(), index + 1, gap)) {
            return true;
        }
    }
    return false;
}

using Page = WebWindowTest;

TEST_F(Page, IsTitledAndHoldsNoHiddenControl) {
    EXPECT_EQ(script("return document.title"), mainFormDescription().caption);
    // The hidden two are no elements.
    EXPECT_EQ(script("return String(!!document.getElementById('List1_1') || !!document.getElementById('Text1_1'))"),
              "false");
}

// The page as a tool reads it, its scripts included, holds no run of the
// thirteen names in distance order, nor the quotation: at start, and with
// every name placed in a wrong order.
TEST_F(Page, TheCorrectOrderIsInNoElementOrAttribute) {
    const std::string serialize = "return new XMLSerializer().serializeToString(document)";
    const std::vector<std::string> order = namesOf(distanceOrder());
    std::vector<int> wrong = distanceOrder();
    std::swap(wrong[0], wrong[12]);
    for (const bool placed : {false, true}) {
        SCOPED_TRACE(placed ? "all placed" : "at start");
        if (placed) {
            for (int element : wrong) {
                clickPlanet(element);
            }
            ASSERT_EQ(answers(), namesOf(wrong));
        }
        const std::string page = script(serialize);
        EXPECT_FALSE(holdsInOrder(page, order, 0, 0, 1000));
        const std::string& quotation = mainFormDescription().control(ControlArray::Text1, 1).text;
        for (std::size_t start = 0, end = quotation.find("\r\n"); end != std::string::npos;
             start = end + 2, end = quotation.find("\r\n", start)) {
            EXPECT_EQ(page.find(quotation.substr(start, end - start)), std::string::npos);
        }
    }
}

// The page's own content security policy refuses a request made from it,
// and the browser reports the refusal.
TEST_F(Page, ItsSecurityPolicyRefusesEveryRequest) {
    ASSERT_EQ(script("return performance.getEntriesByType('resource').length"), "0");
    script("window.refused = [];"
           "document.addEventListener('securitypolicyviolation', e => refused.push(e.effectiveDirective));"
           "const probe = document.createElement('img');"
           "probe.src = 'http://127.0.0.1:9/probe.png';"
           "document.body.appendChild(probe);"
           "fetch('http://127.0.0.1:9/probe').catch(() => {});"
           "return ''");
    std::string refused;
    for (int wait = 0; wait < 50 && refused.find("img-src") == std::string::npos; ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(40));
        refused = script("return refused.join(' ')");
    }
    EXPECT_NE(refused.find("img-src"), std::string::npos) << refused;
    EXPECT_NE(refused.find("connect-src"), std::string::npos) << refused;
    // The probes are the test's own requests, not the page's.
    script("performance.clearResourceTimings(); return ''");
}

}  // namespace
}  // namespace veltara::testing

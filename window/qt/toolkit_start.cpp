#include "toolkit_start.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "main_form_description.h"

namespace veltara {

namespace {

struct HeldMessage {
    QtMsgType type;
    QString text;
};

std::vector<HeldMessage>& held() {
    static std::vector<HeldMessage> messages;
    return messages;
}

}  // namespace

ToolkitStart::ToolkitStart() : previous_(qInstallMessageHandler(&ToolkitStart::hold)) {}

ToolkitStart::~ToolkitStart() { succeeded(); }

void ToolkitStart::succeeded() {
    if (!watching_) {
        return;
    }
    watching_ = false;
    qInstallMessageHandler(previous_);
    for (const HeldMessage& message : held()) {
        // The context of a held message is gone; its text is what matters.
        qt_message_output(message.type, QMessageLogContext(), message.text);
    }
    held().clear();
}

void ToolkitStart::hold(QtMsgType type, const QMessageLogContext& /*context*/,
                        const QString& text) {
    if (type != QtFatalMsg) {
        held().push_back({type, text});
        return;
    }
    const std::string report = cannotShowWindowReport();
    std::fprintf(stderr, "%s\n", report.c_str());
    std::fflush(stderr);
    std::_Exit(EXIT_FAILURE);
}

}  // namespace veltara

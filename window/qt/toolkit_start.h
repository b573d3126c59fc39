// Watches the toolkit while it starts. Where it cannot start (no display,
// a dead X server, no platform plugin) it would print its own advice and
// abort; instead the program says so in its own words and exits with
// status 1, without a core dump. What the toolkit says while starting is
// held back, and passed on only once it has started.
#pragma once

#include <QtGlobal>
#include <QString>
#include <vector>

namespace veltara {

class ToolkitStart {
public:
    ToolkitStart();
    ~ToolkitStart();
    ToolkitStart(const ToolkitStart&) = delete;
    ToolkitStart& operator=(const ToolkitStart&) = delete;

    // The toolkit is up: the messages held back go out, and from now on
    // its messages take their usual way.
    void succeeded();

private:
    static void hold(QtMsgType type, const QMessageLogContext& context, const QString& text);

    QtMessageHandler previous_ = nullptr;
    bool watching_ = true;
};

}  // namespace veltara

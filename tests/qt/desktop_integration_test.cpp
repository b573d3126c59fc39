// The toolkit's own texts are Bulgarian whatever the system's locale, and
// the application names its desktop entry.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>

#include "desktop_integration.h"

namespace veltara::testing {
namespace {

TEST(DesktopIntegration, ToolkitButtonsSpeakBulgarianAndTheDesktopEntryIsNamed) {
    QLocale::setDefault(QLocale::c());
    integrateWithDesktop(*qApp);
    const QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    EXPECT_EQ(box.button(QDialogButtonBox::Ok)->text(), QStringLiteral("Добре"));
    EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Отказ"));
    EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral(VELTARA_APP_ID));
}

}  // namespace
}  // namespace veltara::testing

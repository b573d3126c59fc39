// Texts cross between the exercise (UTF-8, CR LF line breaks) and Qt.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace veltara {

inline QString toQt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string fromQt(const QString& text) { return text.toUtf8().toStdString(); }

// A text box shows a CR LF pair as one line break.
inline QString toQtLines(std::string_view text) {
    return toQt(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace veltara

// The point fonts of the tester: "宋体" where it exists; elsewhere the
// nearest face that has the Chinese glyphs.
#pragma once

#include <QFont>
#include <QString>

namespace vn::app {

inline const QString kDialogFaceName = QStringLiteral("宋体");
inline constexpr int kDialogPointSize = 9;

// The face with its fallbacks, at the given point size.
QFont PointFont(const QString& faceName, double pointSize);

}  // namespace vn::app

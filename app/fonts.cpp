#include "app/fonts.h"

#include <QStringList>

namespace vn::app {

QFont PointFont(const QString& faceName, double pointSize) {
  QFont font;
  font.setFamilies({faceName, QStringLiteral("SimSun"), QStringLiteral("WenQuanYi Micro Hei"),
                    QStringLiteral("Noto Sans CJK SC")});
  font.setPointSizeF(pointSize);
  return font;
}

}  // namespace vn::app

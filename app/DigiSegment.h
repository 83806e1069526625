// One segment of a segment character: a closed outline in design units. The
// outline moves to its first point and draws lines to the others.
#pragma once

#include <vector>

namespace vn::app {

struct DigiPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const DigiPoint&, const DigiPoint&) = default;
};

enum class DigiPointType { MoveTo, LineTo };

class DigiSegment {
 public:
  DigiSegment() = default;
  // The outline through the given points: a move to the first, lines to the rest.
  explicit DigiSegment(std::vector<DigiPoint> outline);

  const std::vector<DigiPoint>& points() const { return points_; }
  const std::vector<DigiPointType>& types() const { return types_; }

  // The same outline with every point transformed.
  template <typename Transform>
  DigiSegment Mapped(Transform transform) const {
    std::vector<DigiPoint> mapped;
    mapped.reserve(points_.size());
    for (const DigiPoint& p : points_) mapped.push_back(transform(p));
    return DigiSegment(std::move(mapped));
  }

 private:
  std::vector<DigiPoint> points_;
  std::vector<DigiPointType> types_;
};

}  // namespace vn::app

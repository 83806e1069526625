#include "app/DigiSegment.h"

namespace vn::app {

DigiSegment::DigiSegment(std::vector<DigiPoint> outline) : points_(std::move(outline)) {
  types_.reserve(points_.size());
  for (std::size_t i = 0; i < points_.size(); ++i)
    types_.push_back(i == 0 ? DigiPointType::MoveTo : DigiPointType::LineTo);
}

}  // namespace vn::app

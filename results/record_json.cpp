#include "results/record_json.h"

#include <cmath>
#include <nlohmann/json.hpp>

namespace vn {

namespace {

using json = nlohmann::ordered_json;

json OptionalNumber(const std::optional<int>& value) { return value ? json(*value) : json(nullptr); }

json FailingNodesJson(const std::vector<FailingNode>& nodes) {
  json list = json::array();
  for (const FailingNode& n : nodes)
    list.push_back({{"x", n.node.x}, {"y", n.node.y}, {"kind", FailureKindName(n.kind)}, {"area", AreaName(n.area)},
                    {"value", n.value}, {"lower", n.lower}, {"upper", n.upper}});
  return list;
}

json FirstFailingNode(const FilmRecord& r) {
  if (r.failingNodes.empty()) return nullptr;
  return NodeName(r.failingNodes.front().node);
}

double Rounded(double value, double scale) { return std::round(value * scale) / scale; }

json RecordJson(const FilmRecord& r) {
  json j = {{"time", r.time}, {"station", r.station}, {"configFile", r.configFile},
            {"configSha256", r.configSha256}, {"criterion", r.criterion}, {"sampleFile", r.sampleFile},
            {"verdict", r.verdict}, {"judged", r.judged}, {"filmNg", r.filmNg}, {"differenceNg", r.differenceNg},
            {"selfTestPassed", r.selfTestPassed}, {"selfTestText", r.selfTestText},
            {"faultX", OptionalNumber(r.faultX)}, {"faultY", OptionalNumber(r.faultY)},
            {"failingNodeCount", r.failingNodes.size()}, {"firstFailingNode", FirstFailingNode(r)},
            {"elapsedSeconds", Rounded(r.elapsedSeconds, 1000)}, {"okCount", r.counters.okCount},
            {"ngCount", r.counters.ngCount}, {"yieldPercent", Rounded(r.counters.yieldPercent, 100)},
            {"serial", r.serial}, {"abortReason", r.abortReason}};
  j["measured"] = r.measured ? json(r.measured->values) : json(nullptr);
  if (r.differences) j["differences"] = r.differences->values;
  j["failingNodes"] = FailingNodesJson(r.failingNodes);
  if (r.margin) {
    j["margin"] = *r.margin;
    j["marginalNodeCount"] = r.marginalNodes.size();
    j["marginalNodes"] = FailingNodesJson(r.marginalNodes);
  }
  return j;
}

}  // namespace

std::string JsonRecordLine(const FilmRecord& record) {
  // Text that is not UTF-8 (a path, a serial) is replaced, never thrown over.
  return RecordJson(record).dump(-1, ' ', false, json::error_handler_t::replace) + "\n";
}

}  // namespace vn

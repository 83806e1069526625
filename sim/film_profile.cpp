#include "sim/film_profile.h"

#include <charconv>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>

namespace vn {

namespace {

FilmProfile Named(const std::string& name) {
  FilmProfile profile;
  profile.name = name;
  return profile;
}

std::string Trim(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  const std::size_t last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

bool ToInt(const std::string& text, long long& value) {
  int base = 10;
  std::string digits = text;
  if (digits.rfind("0x", 0) == 0 || digits.rfind("0X", 0) == 0) {
    base = 16;
    digits = digits.substr(2);
  }
  const char* end = digits.data() + digits.size();
  const auto [ptr, ec] = std::from_chars(digits.data(), end, value, base);
  return !digits.empty() && ec == std::errc() && ptr == end;
}

bool ToDouble(const std::string& text, double& value) {
  std::istringstream in(text);
  in >> value;
  return !in.fail() && in.eof();
}

template <typename T>
std::function<bool(FilmProfile&, const std::string&)> IntegerField(T FilmProfile::*field, long long lo, long long hi) {
  return [field, lo, hi](FilmProfile& p, const std::string& v) {
    long long n = 0;
    if (!ToInt(v, n) || n < lo || n > hi) return false;
    p.*field = static_cast<T>(n);
    return true;
  };
}

bool ParseOverride(FilmProfile& p, const std::string& v) {
  // "x,y,value"
  std::istringstream in(v);
  std::string part;
  long long numbers[3] = {};
  for (long long& n : numbers) {
    if (!std::getline(in, part, ',') || !ToInt(Trim(part), n)) return false;
  }
  if (numbers[0] < 0 || numbers[0] > 31 || numbers[1] < 0 || numbers[1] > 51 || numbers[2] < 0 || numbers[2] > 65535)
    return false;
  p.overrides.push_back({int(numbers[0]), int(numbers[1]), static_cast<std::uint16_t>(numbers[2])});
  return true;
}

bool ParseBoardFault(FilmProfile& p, const std::string& v) {
  // "transaction kind", e.g. "900 drop-answer"
  std::istringstream in(v);
  std::string transaction, kind, rest;
  long long index = 0;
  if (!(in >> transaction >> kind) || (in >> rest) || !ToInt(transaction, index) || index < 0) return false;
  const std::optional<SimFault> fault = SimFaultNamed(kind);
  if (!fault) return false;
  p.boardFaults[static_cast<std::uint64_t>(index)] = *fault;
  return true;
}

using FieldSetter = std::function<bool(FilmProfile&, const std::string&)>;

const std::map<std::string, FieldSetter>& Fields() {
  static const std::map<std::string, FieldSetter> fields = {
      {"name", [](FilmProfile& p, const std::string& v) { p.name = v; return !v.empty(); }},
      {"matrix_x", IntegerField(&FilmProfile::matrixX, 1, 255)},
      {"matrix_y", IntegerField(&FilmProfile::matrixY, 1, 255)},
      {"version", IntegerField(&FilmProfile::version, 0, 255)},
      {"low_value", IntegerField(&FilmProfile::lowValue, 0, 65535)},
      {"high_value", IntegerField(&FilmProfile::highValue, 0, 65535)},
      {"noise", IntegerField(&FilmProfile::noise, 0, 10000)},
      {"node", ParseOverride},
      {"creep_per_film", IntegerField(&FilmProfile::creepPerFilm, -65535, 65535)},
      {"noisy_column", IntegerField(&FilmProfile::noisyColumn, -1, 31)},
      {"noisy_column_noise", IntegerField(&FilmProfile::noisyColumnNoise, 0, 10000)},
      {"baseline_drop", IntegerField(&FilmProfile::baselineDrop, -65535, 65535)},
      {"self_test_code", IntegerField(&FilmProfile::selfTestCode, 0, 255)},
      {"self_test_kind", IntegerField(&FilmProfile::selfTestKind, 0, 255)},
      {"self_test_x", IntegerField(&FilmProfile::selfTestX, 0, 255)},
      {"self_test_y", IntegerField(&FilmProfile::selfTestY, 0, 255)},
      {"self_test_busy_reads", IntegerField(&FilmProfile::selfTestBusyReads, 0, 1000)},
      {"self_test_never_ends", [](FilmProfile& p, const std::string& v) {
         if (v != "0" && v != "1") return false;
         p.selfTestNeverEnds = v == "1";
         return true;
       }},
      {"page_skew", [](FilmProfile& p, const std::string& v) {
         double d = 0;
         if (!ToDouble(v, d) || d < 0 || d > 1) return false;
         p.pageSkew = d;
         return true;
       }},
      {"seed", IntegerField(&FilmProfile::seed, 0, 0xFFFFFFFFLL)},
      {"board_fault", ParseBoardFault},
  };
  return fields;
}

}  // namespace

FaultPlan ProfileFaultPlan(const FilmProfile& profile) {
  FaultPlan plan;
  plan.at = profile.boardFaults;
  return plan;
}

std::vector<std::string> BuiltInProfileNames() {
  return {"good", "open-node", "short-gnd-x3", "short-between-y10", "page-skew", "diff-fail", "matrix-32x51",
          "creep-high", "noisy-x7", "drifted"};
}

std::optional<FilmProfile> BuiltInProfile(const std::string& name) {
  FilmProfile p = Named(name);
  if (name == "good") return p;
  if (name == "open-node") {
    p.overrides.push_back({5, 7, 1200});
    return p;
  }
  if (name == "short-gnd-x3") {
    p.selfTestCode = 0x11;
    p.selfTestKind = 2;
    p.selfTestX = 4;
    return p;
  }
  if (name == "short-between-y10") {
    p.selfTestCode = 0x12;
    p.selfTestKind = 3;
    p.selfTestY = 11;
    return p;
  }
  if (name == "page-skew") {
    p.pageSkew = 0.3;
    return p;
  }
  if (name == "diff-fail") {
    p.baselineDrop = 1000;  // below the default difference range 3000..10000
    return p;
  }
  if (name == "matrix-32x51") {
    p.matrixY = 51;
    return p;
  }
  if (name == "creep-high") {
    p.creepPerFilm = 100;  // the highest nodes reach the VA maximum 28000 after about 20 films
    return p;
  }
  if (name == "noisy-x7") {
    p.noisyColumn = 7;
    p.noisyColumnNoise = 800;  // still inside the default ranges: every film passes
    return p;
  }
  if (name == "drifted") {
    p.lowValue = 22200;  // the good film's values, all 1200 higher: still PASS in production
    p.highValue = 27200;
    return p;
  }
  return std::nullopt;
}

std::optional<FilmProfile> LoadProfileFile(const std::string& path, std::string& error) {
  std::ifstream in(path);
  if (!in) {
    error = "cannot open profile file " + path;
    return std::nullopt;
  }
  FilmProfile profile = Named(path);
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    const std::string content = Trim(line.substr(0, line.find('#')));
    if (content.empty()) continue;
    const std::size_t eq = content.find('=');
    const std::string key = eq == std::string::npos ? content : Trim(content.substr(0, eq));
    const auto field = Fields().find(key);
    if (eq == std::string::npos || field == Fields().end() || !field->second(profile, Trim(content.substr(eq + 1)))) {
      error = path + ":" + std::to_string(number) + ": cannot read '" + content + "'";
      return std::nullopt;
    }
  }
  return profile;
}

std::optional<FilmProfile> ResolveProfile(const std::string& nameOrPath, std::string& error) {
  if (auto builtIn = BuiltInProfile(nameOrPath)) return builtIn;
  std::ifstream probe(nameOrPath);
  if (!probe) {
    error = "unknown simulated-board profile '" + nameOrPath + "'";
    return std::nullopt;
  }
  return LoadProfileFile(nameOrPath, error);
}

}  // namespace vn

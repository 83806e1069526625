#include <nlohmann/json.hpp>
#include <ostream>

#include "burn/burn_objects.h"
#include "cli/commands.h"
#include "cli/session.h"

namespace vn::cli {

namespace {

const char* OutcomeName(BurnParseOutcome outcome) {
  switch (outcome) {
    case BurnParseOutcome::Accepted: return "accepted";
    case BurnParseOutcome::Rejected: return "rejected";
    case BurnParseOutcome::HeaderMissing: return "header-missing";
    case BurnParseOutcome::Unopenable: return "unopenable";
  }
  return "unknown";
}

nlohmann::json BlocksJson(const BurnImage& image, const BurnParseResult& result) {
  nlohmann::json blocks = nlohmann::json::array();
  if (!result) return blocks;
  for (std::size_t i = 0; i < image.SectionCount(); ++i) {
    const ObjectImage& block = image.Blocks()[i];
    const auto data = block.Data();
    blocks.push_back({{"address", block.Address()},
                      {"size", block.Size()},
                      {"data", std::vector<int>(data.begin(), data.end())}});
  }
  return blocks;
}

void PrintBlocksText(std::ostream& out, const BurnImage& image) {
  for (std::size_t i = 0; i < image.SectionCount(); ++i) {
    const ObjectImage& block = image.Blocks()[i];
    out << "block " << i << ": address " << block.Address() << " size " << int(block.Size()) << " data";
    for (std::uint8_t byte : block.Data()) out << ' ' << int(byte);
    out << "\n";
  }
}

}  // namespace

int RunXcfgCommand(CommandContext& context) {
  const auto& args = context.arguments;
  const bool json = args.size() == 2 && args[1] == "--json";
  if (args.empty() || args.size() > 2 || (args.size() == 2 && !json)) {
    context.err << "usage: vn4820-cli xcfg FILE [--json]\n";
    return kExitUsage;
  }
  BurnImage image;
  const BurnParseResult result = ParseBurnFile(args[0], image);
  const std::string message(BurnParseMessage(result.outcome));
  if (json) {
    const nlohmann::json record = {{"outcome", OutcomeName(result.outcome)},
                                   {"message", message},
                                   {"sections", result ? image.SectionCount() : 0},
                                   {"blocks", BlocksJson(image, result)}};
    context.out << record.dump() << "\n";
  } else if (result) {
    context.out << "accepted: " << int(image.SectionCount()) << " object sections\n";
    PrintBlocksText(context.out, image);
  } else {
    context.out << OutcomeName(result.outcome) << ": " << message << "\n";
    if (result.lineNumber != 0) context.out << "line " << result.lineNumber << "\n";
  }
  return result ? kExitOk : kExitFailed;
}

int RunBurnCommand(CommandContext& context) {
  if (context.arguments.size() != 1) {
    context.err << "usage: vn4820-cli burn FILE\n";
    return kExitUsage;
  }
  Session session(context.global, context.out, context.err);
  if (!session.valid()) {
    context.err << "vn4820-cli: " << session.error() << "\n";
    return kExitUsage;
  }
  if (const int connected = session.Connect(); connected != kExitOk) return connected;
  Tester& tester = session.tester();
  MainWindowState& state = tester.state();
  state.burnProgress = 0;
  const BurnResult result = BurnConfigurationFile(tester.controller(), context.arguments[0], state.burnImage,
                                                  [&](int percent) {
                                                    state.burnProgress = percent;
                                                    session.PrintLine("progress: " + std::to_string(percent) + "%");
                                                  });
  switch (result.outcome) {
    case BurnOutcome::Burned:
      session.PrintLine("burned: " + context.arguments[0]);
      return kExitOk;
    case BurnOutcome::FileRefused:
      session.PrintLine(result.message);
      return kExitFailed;
    case BurnOutcome::BurnFailed:
      return kExitBoard;
  }
  return kExitBoard;
}

}  // namespace vn::cli

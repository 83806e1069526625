#include <cstdio>
#include <ostream>

#include "cli/commands.h"
#include "cli/session.h"
#include "platform/format.h"

namespace vn::cli {

namespace {

std::string Hex(unsigned value, int digits) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%0*X", digits, value);
  return text;
}

void PrintBoard(Session& session, const HidDeviceInfo& board) {
  session.PrintLine("board: " + board.path + " vendor " + Hex(board.vendorId, 4) + " product " +
                    Hex(board.productId, 4) + " release " + Hex(board.releaseNumber, 4));
}

void PrintInformationBlock(Session& session) {
  const Tester& tester = session.tester();
  const ObjectTable& t = tester.controller().table();
  session.PrintLine("family: " + Hex(t.family(), 2));
  session.PrintLine("variant: " + Hex(t.variant(), 2));
  session.PrintLine("version: " + tester.connection().firmwareVersionText);
  session.PrintLine("build: " + Hex(t.build(), 2));
  session.PrintLine("matrix: " + std::to_string(t.matrixXSize()) + " x " + std::to_string(t.matrixYSize()));
  session.PrintLine("objects: " + std::to_string(t.objectCount()));
  session.PrintLine("pages: " + std::to_string(t.pageCount()));
}

void PrintObjectTable(Session& session) {
  const ObjectTable& t = session.tester().controller().table();
  session.PrintLine("object table:");
  session.PrintLine("  pos type address size instances report-ids lowest highest");
  for (std::size_t position = 1; position <= t.objectCount(); ++position) {
    const ObjectEntry& e = t.Entry(position);
    char line[96];
    std::snprintf(line, sizeof line, "  %3zu %4u  0x%04X %4u %9u %10u %6u %7u", position, e.type, e.address, e.size,
                  e.instances, e.reportIds, e.lowestReportId, e.highestReportId);
    session.PrintLine(line);
  }
}

}  // namespace

int RunInfo(CommandContext& context) {
  if (!context.arguments.empty()) {
    context.err << "info: takes no arguments\n";
    return kExitUsage;
  }
  Session session(context.global, context.out, context.err);
  if (!session.valid()) {
    context.err << "vn4820-cli: " << session.error() << "\n";
    return kExitUsage;
  }
  const int found = session.Discover();
  if (found != kExitOk) return found;
  for (const HidDeviceInfo& device : session.tester().backend().Enumerate())
    if (device.path == session.tester().link().devicePath()) PrintBoard(session, device);
  const int connected = session.ConnectController();
  if (connected != kExitOk) return connected;
  PrintInformationBlock(session);
  PrintObjectTable(session);
  return kExitOk;
}

}  // namespace vn::cli

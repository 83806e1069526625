#include "app/backend_factory.h"

#include "link/hardware_backend.h"
#include "sim/film_profile.h"
#include "sim/sim_touch_controller.h"
#include "sim/simulated_board.h"

namespace vn::app {

BoardChoice ChooseBoard(bool simulate, const std::string& profileName) {
  BoardChoice choice;
  if (!simulate) {
    choice.backend = MakeHardwareBackend();
    return choice;
  }
  std::optional<FilmProfile> profile = ResolveProfile(profileName, choice.error);
  if (!profile) return choice;
  auto board = std::make_unique<SimulatedBoard>(std::make_unique<SimTouchController>(*profile));
  board->SetFaultPlan(ProfileFaultPlan(*profile));
  choice.simulatedBoard = board.get();
  choice.backend = std::move(board);
  return choice;
}

}  // namespace vn::app

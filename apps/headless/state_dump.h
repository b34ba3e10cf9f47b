// The game's state as one JSON object whose keys are the variables' own names: every
// scalar of the game state, the menu selection, the high-score count, the typed name,
// the window caption, and every object record as {"x", "y", "state"}.
#pragma once

#include <string>

#include <nlohmann/json.hpp>

namespace driver {

// Keys in a fixed order, so that two dumps of the same state are the same text.
nlohmann::ordered_json state_json(const std::string& caption);

// state_json as indented text with a final line end.
std::string state_text(const std::string& caption);

}  // namespace driver

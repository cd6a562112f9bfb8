// Control and command ids of the main dialog and the About box.
#pragma once

namespace app {

enum class ControlId : int {
  Ok = 1,
  Quit = 2,
  ClearList = 3,
  AboutCommand = 0x0010,
  Edit = 1000,
  Upload = 1001,
  List = 1003,
  OpenBrowser = 1004,
  AboutVersion = 1006,
  AboutNotice = 1007,
};

// The number the toolkit knows the control by.
constexpr int Id(ControlId id) { return static_cast<int>(id); }

}  // namespace app

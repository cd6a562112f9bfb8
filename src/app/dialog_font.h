// Dialog fonts: the named Japanese face when installed, else a face with the
// same metrics so that the list's columns still line up.
#pragma once

#include <wx/font.h>

namespace app {

// "ＭＳ ゴシック" 9 pt or a fixed-pitch Japanese fallback.
wxFont MainDialogFont();

// "ＭＳ Ｐゴシック" 9 pt or a proportional Japanese fallback.
wxFont AboutDialogFont();

}  // namespace app

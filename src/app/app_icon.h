// The application icon (window, desktop menu and About box).
#pragma once

#include <wx/bitmap.h>
#include <wx/iconbndl.h>

namespace app {

wxIconBundle AppIcons();
wxBitmap AppBitmap(int size);

}  // namespace app

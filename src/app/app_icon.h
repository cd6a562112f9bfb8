// The application icon (window, desktop menu and About box).
#pragma once

#include <wx/bitmap.h>
#include <wx/iconbndl.h>

wxIconBundle AppIcons();
wxBitmap AppBitmap(int size);

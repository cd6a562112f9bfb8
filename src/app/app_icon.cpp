#include "app/app_icon.h"

#include <wx/image.h>

#include "app/res/wx_pub.xpm"

namespace app {

wxBitmap AppBitmap(int size) {
  wxImage image(wx_pub_xpm);
  if (image.GetWidth() != size) image.Rescale(size, size, wxIMAGE_QUALITY_HIGH);
  return wxBitmap(image);
}

wxIconBundle AppIcons() {
  wxIconBundle icons;
  for (const int size : {16, 32, 48}) {
    wxIcon icon;
    icon.CopyFromBitmap(AppBitmap(size));
    icons.AddIcon(icon);
  }
  return icons;
}

}  // namespace app

#include <wx/app.h>

#include "app/wx_pub_app.h"

wxIMPLEMENT_APP_NO_MAIN(CWx_pubApp);

int main(int argc, char** argv) { return wxEntry(argc, argv); }

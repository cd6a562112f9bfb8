#include "app/about_dialog.h"

#include <wx/button.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "app/app_icon.h"
#include "app/control_id.h"
#include "app/dialog_font.h"
#include "app/window_language.h"
#include "app/wx_text.h"
#include "platform/system/system_places.h"
#include "suite/folders.h"
#include "suite/version_info.h"

namespace app {

namespace {

constexpr int kIconSize = 32;
constexpr const char* kPageNote = "ページは常にページフォルダの <ログイン名>.htm で、アップロードのたびに置き換わります。";

}  // namespace

wxBEGIN_EVENT_TABLE(AboutDialog, wxDialog)
  EVT_INIT_DIALOG(AboutDialog::OnInitDialog)
wxEND_EVENT_TABLE()

AboutDialog::AboutDialog(wxWindow* parent) {
  Create(parent, wxID_ANY, Translated("ﾊﾞｰｼﾞｮﾝ情報"), wxDefaultPosition, wxDefaultSize, wxCAPTION | wxSYSTEM_MENU);
  SetFont(AboutDialogFont());
  SetClientSize(ConvertDialogToPixels(wxSize(235, 56)));
  new wxStaticBitmap(this, wxID_ANY, AppBitmap(kIconSize), ConvertDialogToPixels(wxPoint(7, 7)),
                     ConvertDialogToPixels(wxSize(18, 21)));
  auto* version = new wxStaticText(this, Id(ControlId::AboutVersion), wxEmptyString, ConvertDialogToPixels(wxPoint(35, 7)),
                                   ConvertDialogToPixels(wxSize(168, 8)), wxALIGN_CENTRE_HORIZONTAL | wxST_NO_AUTORESIZE);
  version->SetLabelText("wx_pub Version 1.0");
  new wxStaticText(this, Id(ControlId::AboutNotice), wxEmptyString, ConvertDialogToPixels(wxPoint(35, 22)),
                   ConvertDialogToPixels(wxSize(168, 8)), wxALIGN_CENTRE_HORIZONTAL | wxST_NO_AUTORESIZE);
  // Where the page lands is the one thing a first upload leaves open.
  auto* pageNote = new wxStaticText(this, wxID_ANY, Translated(kPageNote), ConvertDialogToPixels(wxPoint(7, 35)),
                                    ConvertDialogToPixels(wxSize(221, 16)), wxST_NO_AUTORESIZE);
  pageNote->Wrap(pageNote->GetSize().x);
  auto* ok = new wxButton(this, Id(ControlId::Ok), "OK", ConvertDialogToPixels(wxPoint(208, 7)), ConvertDialogToPixels(wxSize(20, 21)));
  ok->SetDefault();
  SetAffirmativeId(Id(ControlId::Ok));
  SetEscapeId(Id(ControlId::Ok));
}

void AboutDialog::OnInitDialog(wxInitDialogEvent&) {
  TransferDataToWindow();
  const suite::VersionInfo version(platform::ProgramPath());
  wxStaticCast(FindWindow(Id(ControlId::AboutVersion)), wxControl)->SetLabelText(FromUtf8(version.ProductName() + " Version " + version.FileVersion()));
  wxStaticCast(FindWindow(Id(ControlId::AboutNotice)), wxControl)->SetLabelText(FromUtf8(version.LegalCopyright()));
}

}  // namespace app

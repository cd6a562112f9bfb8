#include "app/about_dlg.h"

#include <wx/button.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "app/app_icon.h"
#include "app/dialog_font.h"
#include "app/dialog_ids.h"
#include "app/wx_text.h"
#include "platform/folders.h"
#include "platform/system_places.h"
#include "platform/version_info.h"

namespace {

constexpr int kIconSize = 32;

}  // namespace

wxBEGIN_EVENT_TABLE(CAboutDlg, wxDialog)
  EVT_INIT_DIALOG(CAboutDlg::OnInitDialog)
wxEND_EVENT_TABLE()

CAboutDlg::CAboutDlg(wxWindow* parent) {
  Create(parent, wxID_ANY, FromUtf8("ﾊﾞｰｼﾞｮﾝ情報"), wxDefaultPosition, wxDefaultSize, wxCAPTION | wxSYSTEM_MENU);
  SetFont(AboutDialogFont());
  SetClientSize(ConvertDialogToPixels(wxSize(235, 37)));
  new wxStaticBitmap(this, wxID_ANY, AppBitmap(kIconSize), ConvertDialogToPixels(wxPoint(7, 7)),
                     ConvertDialogToPixels(wxSize(18, 21)));
  auto* version = new wxStaticText(this, kIdAboutVersion, wxEmptyString, ConvertDialogToPixels(wxPoint(35, 7)),
                                   ConvertDialogToPixels(wxSize(168, 8)), wxALIGN_CENTRE_HORIZONTAL | wxST_NO_AUTORESIZE);
  version->SetLabelText("wx_pub Version 1.0");
  new wxStaticText(this, kIdAboutNotice, wxEmptyString, ConvertDialogToPixels(wxPoint(35, 22)),
                   ConvertDialogToPixels(wxSize(168, 8)), wxALIGN_CENTRE_HORIZONTAL | wxST_NO_AUTORESIZE);
  auto* ok = new wxButton(this, kIdOk, "OK", ConvertDialogToPixels(wxPoint(208, 7)), ConvertDialogToPixels(wxSize(20, 21)));
  ok->SetDefault();
  SetAffirmativeId(kIdOk);
  SetEscapeId(kIdOk);
}

void CAboutDlg::OnInitDialog(wxInitDialogEvent&) {
  TransferDataToWindow();
  const platform::VersionInfo version(platform::ProgramPath());
  wxStaticCast(FindWindow(kIdAboutVersion), wxControl)->SetLabelText(FromUtf8(version.ProductName() + " Version " + version.FileVersion()));
  wxStaticCast(FindWindow(kIdAboutNotice), wxControl)->SetLabelText(FromUtf8(version.LegalCopyright()));
}

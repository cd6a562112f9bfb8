#include "app/wx_pub_app.h"

#include <wx/filename.h>

#include "app/wx_pub_dlg.h"
#include "app/wx_text.h"
#include "upfile/upload_job.h"

bool CWx_pubApp::OnInit() {
  for (int i = 1; i < argc; ++i) {
    wxFileName name(argv[i]);
    name.MakeAbsolute();
    m_files.push_back(ToUtf8(name.GetFullPath()));
  }
  return true;
}

int CWx_pubApp::OnRun() {
  CWx_pubDlg dialog;
  SetTopWindow(&dialog);
  if (!m_files.empty()) dialog.DropFiles(m_files);
  dialog.ShowModal();
  RemoveDeferredAtExit();
  return 0;
}

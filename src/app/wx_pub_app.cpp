#include "app/wx_pub_app.h"

#include "app/wx_pub_dlg.h"

CWx_pubApp::CWx_pubApp(std::vector<std::string> files) : m_files(std::move(files)) {}

int CWx_pubApp::OnRun() {
  CWx_pubDlg dialog;
  SetTopWindow(&dialog);
  if (!m_files.empty()) dialog.DropStartFiles(m_files);
  dialog.ShowModal();
  return 0;
}

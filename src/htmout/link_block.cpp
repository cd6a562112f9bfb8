#include "htmout/link_block.h"

#include "htmout/htmout.h"
#include "htmout/xml_out.h"
#include "platform/file_services.h"
#include "platform/folders.h"
#include "platform/text_decode.h"
#include "upfile/upload_settings.h"

namespace {

bool IsExistingFile(const std::string& path) {
  return !path.empty() && FileExists(path) && !FolderExists(path);
}

std::string DefaultLinkFile() {
  return AddSeparator(GetSettingsFolder()) + "main_lnk.htm";
}

std::string HostNameScript() {
  Xml_E script = htmout::ScriptSrc("");
  script.SetText("\tdocument.write (location.hostname) ;\t");
  Xml_E fragment("");
  fragment.AddElement(script);
  return fragment.ToString();
}

}  // namespace

std::string HT_Make_main_lnk() {
  v_Xml_Style style;
  style.Add("text-align", "center");
  style.Add("font-size", "300%");
  Xml_E block("div");
  block.AddAttribute("style", style.ToString());
  block.AddElement(htmout::A("/", htmout::Img("", "/favicon.ico", "favicon").ToString()));
  block.AddElement(htmout::A("/", HostNameScript()));
  block.AddElement(Xml_E("hr"));
  return JoinLines(Xml_Out::CreateElement(block, 0));
}

std::string HT_Link_block_text() {
  const std::string defaultFile = DefaultLinkFile();
  // Without the settings folder the write would only wait out its retries.
  if (!FileExists(defaultFile) && FolderExists(GetSettingsFolder()))
    WriteTextFile(defaultFile, HT_Make_main_lnk());
  const std::string chosen = GetPathLinkHtml();
  return ReadTextFile(IsExistingFile(chosen) ? chosen : defaultFile);
}

#include "htmout/page_footer.h"

#include "htmout/htmout.h"
#include "htmout/page_time.h"

Xml_E HT_Make_footer() {
  Xml_E footer("");
  footer.AddElement(Xml_E("hr"));
  footer.AddElement(htmout::DivRight(LocalTimeText(kPageTimeFormat)));
  return footer;
}

#include "upfile/upload_page.h"

#include "platform/folders.h"
#include "platform/system_places.h"
#include "upfile/upload_settings.h"

std::string UploadPageName() { return NameTo7bit(platform::UserName()) + ".htm"; }

std::string UploadPageAddress() { return BrowserAddress() + UploadPageName(); }

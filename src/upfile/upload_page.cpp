#include "upfile/upload_page.h"

#include "platform/folders.h"
#include "upfile/upload_settings.h"

std::string UploadPageName() { return NameTo7bit(GetUserName()) + ".htm"; }

std::string UploadPageAddress() { return BrowserAddress() + UploadPageName(); }

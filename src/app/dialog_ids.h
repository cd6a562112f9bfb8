// Control and command ids of the main dialog and the About box.
#pragma once

constexpr int kIdOk = 1;
constexpr int kIdQuit = 2;
constexpr int kIdClearList = 3;
constexpr int kIdEdit = 1000;
constexpr int kIdUpload = 1001;
constexpr int kIdList = 1003;
constexpr int kIdOpenBrowser = 1004;
constexpr int kIdAboutCommand = 0x0010;
constexpr int kIdAboutVersion = 1006;
constexpr int kIdAboutNotice = 1007;

#include <gtest/gtest.h>

#include <chrono>

#include "app/control_id.h"
#include "gui_support.h"
#include "suite/profile.h"
#include "support/local_http_server.h"
#include "support/sandbox.h"
#include "support/scoped_env.h"
#include "update/update_check.h"

// The update check at start-up holds the window up no more than a silent
// server does; a count past the limit has the page opened, as the browser
// button opens the address shown (without an opener on the path, the shell's
// message names each).
TEST(DialogStartup, TheUpdateCheckHoldsNothingAndOpensThePagePastTheLimit) {
  const ScopedEnv noProxy("no_proxy", std::string("*"));
  LocalHttpServer silent(LocalHttpServer::Mode::kSilent);
  suite::Profile(update::kProfile).WriteStr(update::kSection, update::kServerKey, silent.HostPort());
  const auto opening = std::chrono::steady_clock::now();
  app::MainDialog* dialog = gui::OpenDialog();
  bool answered = false;
  dialog->CallAfter([&answered] { answered = true; });
  EXPECT_TRUE(gui::WaitUntil([&answered] { return answered; }, 1000));
  EXPECT_LT(std::chrono::steady_clock::now() - opening, std::chrono::seconds(1));
  const auto closing = std::chrono::steady_clock::now();
  gui::CloseDialog(dialog);
  EXPECT_LT(std::chrono::steady_clock::now() - closing, std::chrono::seconds(2));

  const ScopedEnv noOpener("PATH", sandbox::Root());
  LocalHttpServer server;
  server.SetResponse(200, "<p>download page</p>");
  suite::Profile(update::kProfile).WriteStr(update::kSection, update::kServerKey, server.HostPort());
  suite::Profile(update::kProfile).WriteInt(update::kSection, update::kCountKey, 9);
  gui::ModalAnswerer answerer;
  dialog = gui::OpenDialog();
  ASSERT_TRUE(gui::WaitUntil([&answerer] { return !answerer.messages.empty(); }));
  EXPECT_EQ(server.Requests().size(), 1u);
  const std::string opener = "\nOperation=\"open\"\nFile=\"\"\nParamaters=\"";
  EXPECT_TRUE(answerer.messages[0].ends_with(opener + "https://" + server.HostPort() + "/z_Suite/download\""))
      << answerer.messages[0];
  gui::Click(*dialog, app::Id(app::ControlId::OpenBrowser));
  EXPECT_TRUE(answerer.messages.at(1).ends_with(opener + gui::EditText(*dialog) + "\"")) << answerer.messages.back();
  gui::CloseDialog(dialog);
}

// The main window's form logic on fake controls, with SysVar and a loopback server, for tests.
#pragma once

#include <string>
#include <vector>

#include "app/main_form.h"
#include "settings/run_state.h"
#include "support/fake_controls.h"
#include "support/server_session.h"

namespace porvan::testing {

inline const std::string kClientIP = "203.0.113.7";

// The main window's form on fake controls, created as the window creates it.
struct TMainForm {
  explicit TMainForm(std::vector<TServerTurn> turns) : session(std::move(turns)) {
    SysVar->ClientIP = kClientIP;
    imgFTPOpen.Visible = false;  // as the window shows them at start
    imgSSHOpen.Visible = false;
    window.OnClose = [this] {
      closeAction = TCloseAction::Hide;
      form.FormClose(closeAction);
    };
    form.FormCreate();
  }

  std::vector<std::string> BoxTexts() const {
    std::vector<std::string> texts;
    for (const TShownBox& box : session.Fake.Messages.Shown) {
      texts.push_back(box.Text);
    }
    return texts;
  }

  TServerSession session;
  FakeEditBox fUrl;
  FakeLabel fClientIP;
  FakePicture imgFTPOpen, imgFTPClose, imgSSHOpen, imgSSHClose;
  FakeTrayIcon tray;
  FakeWindowHost window;
  TfmMain form{session.Fake.Platform,
               {fUrl, fClientIP, imgFTPOpen, imgFTPClose, imgSSHOpen, imgSSHClose, tray, window}};
  TCloseAction closeAction = TCloseAction::Hide;
};

}  // namespace porvan::testing

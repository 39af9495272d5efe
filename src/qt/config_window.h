// The settings dialog's view: the real controls of TfmConfig and its events to the form logic.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "platform/platform.h"
#include "qt/key_line_edit.h"
#include "qt/modal_dialog.h"
#include "qt/painted.h"
#include "qt/qt_controls.h"
#include "qt/window_host.h"
#include "settings/config_form.h"

namespace porvan {

class TConfigWindow : public TQtDialog {
 public:
  TConfigWindow(TPlatform& platform, QWidget* owner);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  TQtDialogHost host_{*this, {}};

  // In tab order; the labels take no focus, the browse buttons only a click's.
  QLabel Label1;                // "FTP 접속 프로그램 설정"
  TKeyLineEdit fFTPPathEdit;    // the FTP program's path
  QPushButton fFTPPathButton;   // "...", chooses the FTP program
  QLabel Label2;                // "SSH 접속 프로그램 설정"
  TKeyLineEdit fSSHPathEdit;    // the SSH program's path
  QPushButton fSSHPathButton;   // "...", chooses the SSH program
  TPictureButton btnOk;         // "확 인"
  TPictureButton btnCancel;     // "취 소"
  QGroupBox groupShortcut;      // " 바로가기 "
  QLabel Label3;                // "바로가기란 ?", what a shortcut does
  QLabel Label4;                // "바로가기 도메인 : "
  TKeyLineEdit fUrlEdit;        // the shortcut's domain
  QLabel Label5;                // "도메인 접속후 실행 프로그램 : "
  QComboBox fClientTypeBox;     // 실행안함, FTP or SSH
  QLabel Label6;                // "바로가기 실행시 프로그램 최소화 :"
  QCheckBox isMinimizeBox;      // start minimised
  QPushButton btnMakeShortcut;  // "바로가기생성"

  TQtEditBox fFTPPath{fFTPPathEdit}, fSSHPath{fSSHPathEdit}, fUrl{fUrlEdit};
  TQtDropDownList fClientType{fClientTypeBox};
  TQtCheckBox isMinimize{isMinimizeBox};
  TfmConfig form_;
};

// Shows the dialog modally over `owner` and gives its modal result. SysVar must exist.
int ShowConfig(TPlatform& platform, QWidget* owner);

}  // namespace porvan

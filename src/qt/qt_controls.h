// The control interfaces of the form logic over Qt widgets: each adapter holds its widget only.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSystemTrayIcon>
#include <array>

#include "platform/controls.h"
#include "platform/dialog_controls.h"

namespace porvan {

class TQtEditBox : public IEditBox {
 public:
  explicit TQtEditBox(QLineEdit& edit) : edit_(edit) {}
  std::string Text() override;
  void SetText(const std::string& text) override;
  void SetReadOnly(bool readOnly) override;
  void SetFocus() override;

 private:
  QLineEdit& edit_;
};

// The version history: many lines, read-only to the user.
class TQtMemo : public IEditBox {
 public:
  explicit TQtMemo(QPlainTextEdit& edit) : edit_(edit) {}
  std::string Text() override;
  void SetText(const std::string& text) override;
  void SetReadOnly(bool readOnly) override;
  void SetFocus() override;

 private:
  QPlainTextEdit& edit_;
};

class TQtLabel : public ILabel {
 public:
  explicit TQtLabel(QLabel& label) : label_(label) {}
  void SetText(const std::string& text) override;

 private:
  QLabel& label_;
};

class TQtPicture : public IPicture {
 public:
  explicit TQtPicture(QWidget& widget) : widget_(widget) {}
  void SetVisible(bool visible) override { widget_.setVisible(visible); }

 private:
  QWidget& widget_;
};

class TQtProgressBar : public IProgressBar {
 public:
  explicit TQtProgressBar(QProgressBar& bar) : bar_(bar) {}
  void SetVisible(bool visible) override { bar_.setVisible(visible); }
  void SetProgress(int position, int max) override;
  void SetText(const std::string& text) override;

 private:
  QProgressBar& bar_;
};

// The icon with its two images; shown only while the form wants it and the desktop has a tray.
class TQtTrayIcon : public ITrayIcon {
 public:
  TQtTrayIcon(QSystemTrayIcon& icon, std::array<QIcon, 2> images)
      : icon_(icon), images_(std::move(images)) {}
  void SetHint(const std::string& hint) override;
  void SetImageIndex(int index) override;
  void SetVisible(bool visible) override { icon_.setVisible(visible); }
  bool Available() override { return QSystemTrayIcon::isSystemTrayAvailable(); }

 private:
  QSystemTrayIcon& icon_;
  std::array<QIcon, 2> images_;
};

class TQtDropDownList : public IDropDownList {
 public:
  explicit TQtDropDownList(QComboBox& box) : box_(box) {}
  std::string SelectedText() override;

 private:
  QComboBox& box_;
};

class TQtCheckBox : public ICheckBox {
 public:
  explicit TQtCheckBox(QCheckBox& box) : box_(box) {}
  bool Checked() override { return box_.isChecked(); }

 private:
  QCheckBox& box_;
};

class TQtLinkLabel : public ILinkLabel {
 public:
  explicit TQtLinkLabel(QLabel& label) : label_(label) {}
  void SetColor(TRgb color) override;

 private:
  QLabel& label_;
};

}  // namespace porvan

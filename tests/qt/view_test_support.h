// What the Qt view tests share: the fake seams with SysVar, finding a control by its caption,
// and the tab order of a window.
#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QObject>
#include <QStringList>
#include <QWidget>
#include <memory>

#include "settings/run_state.h"
#include "support/fake_platform.h"

namespace porvan::testing {

// The fake seams, and SysVar over them for the fixture's length.
struct TViewFixture {
  TViewFixture() { SysVar = std::make_unique<TSysVar>(fake.Platform); }
  ~TViewFixture() { SysVar.reset(); }
  TViewFixture(const TViewFixture&) = delete;
  TViewFixture& operator=(const TViewFixture&) = delete;

  TFakePlatform fake;
};

// How a test names a control: its accessible name (the caption of a picture), else its
// control name (fUrl), else the text it shows.
QString CaptionOf(const QWidget& widget);

// The one child of `root` of type T with `caption`; null when there is none or more than one.
template <typename T>
T* Find(QWidget& root, const QString& caption) {
  T* found = nullptr;
  for (T* widget : root.findChildren<T*>()) {
    if (CaptionOf(*widget) == caption) {
      if (found != nullptr) {
        return nullptr;
      }
      found = widget;
    }
  }
  return found;
}

// The captions of the controls Tab visits in `window`, in order.
QStringList TabOrder(QWidget& window);

// The UTF-8 text as Qt holds it.
QString U(const char* utf8);

}  // namespace porvan::testing

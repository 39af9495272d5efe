// A drop-down list without free typing.
#include "win32/view/drop_down_list.h"

#include "win32/wide_text.h"

namespace porvan {

TDropDownList::TDropDownList(TWindow& window, TControlSpec options, std::vector<std::string> items,
                             int selected)
    : TControl(window, L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, std::move(options)),
      items_(std::move(items)),
      selected_(selected) {}

std::string TDropDownList::SelectedText() {
  const LRESULT index = SendMessageW(Handle(), CB_GETCURSEL, 0, 0);
  if (index < 0 || static_cast<std::size_t>(index) >= items_.size()) {
    return {};
  }
  return items_[static_cast<std::size_t>(index)];
}

void TDropDownList::OnFontChanged() {
  // The first layout after creation is where the control first exists: fill it once.
  if (!filled_) {
    filled_ = true;
    for (const std::string& item : items_) {
      SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item).c_str()));
    }
    SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(selected_), 0);
  }
  // The height given is the closed box's; the open list needs room for every item.
  RECT place{};
  GetWindowRect(Handle(), &place);
  const int itemHeight = static_cast<int>(SendMessageW(Handle(), CB_GETITEMHEIGHT, 0, 0));
  SetWindowPos(Handle(), nullptr, 0, 0, place.right - place.left,
               (place.bottom - place.top) + itemHeight * static_cast<int>(items_.size() + 1),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace porvan

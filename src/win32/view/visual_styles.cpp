// The themed controls' activation context, made once from the program's own manifest resource.
#include "win32/view/visual_styles.h"

namespace porvan {
namespace {

// The context lives as long as the program; made at its first use.
class TThemedContext {
 public:
  TThemedContext() {
    ACTCTXW request{};
    request.cbSize = sizeof request;
    request.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.hModule = GetModuleHandleW(nullptr);
    request.lpResourceName = MAKEINTRESOURCEW(kVisualStylesManifestId);
    context_ = CreateActCtxW(&request);
  }
  TThemedContext(const TThemedContext&) = delete;
  TThemedContext& operator=(const TThemedContext&) = delete;
  ~TThemedContext() {
    if (context_ != INVALID_HANDLE_VALUE) {
      ReleaseActCtx(context_);
    }
  }

  HANDLE get() const { return context_; }

 private:
  HANDLE context_ = INVALID_HANDLE_VALUE;
};

}  // namespace

TVisualStyles::TVisualStyles() {
  static const TThemedContext themed;
  if (themed.get() != INVALID_HANDLE_VALUE) {
    active_ = ActivateActCtx(themed.get(), &cookie_) != FALSE;
  }
}

TVisualStyles::~TVisualStyles() {
  if (active_) {
    DeactivateActCtx(0, cookie_);
  }
}

}  // namespace porvan

#include "platform/win32/DesktopShell.h"

// clang-format off
#include "platform/win32/WindowsApi.h"
#include <exdisp.h>
#include <shldisp.h>
#include <shlobj.h>
#include <shlguid.h>
// clang-format on

#include <vector>

#include "platform/win32/ShellCalls.h"
#include "platform/win32/WideText.h"

namespace platform::win32 {
namespace {

// Releases the interface it holds.
template <class Interface>
class Com {
 public:
  Com() = default;
  ~Com() {
    if (m_pointer != nullptr) m_pointer->Release();
  }
  Com(const Com&) = delete;
  Com& operator=(const Com&) = delete;
  Interface* operator->() const { return m_pointer; }
  Interface* get() const { return m_pointer; }
  Interface** out() { return &m_pointer; }
  void** outVoid() { return reinterpret_cast<void**>(&m_pointer); }
  explicit operator bool() const { return m_pointer != nullptr; }

 private:
  Interface* m_pointer = nullptr;
};

class Variant {
 public:
  Variant() { ZeroMemory(&m_value, sizeof(m_value)); }  // VT_EMPTY
  ~Variant() { ClearVariant(m_value); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
  VARIANT& get() { return m_value; }

 private:
  VARIANT m_value;
};

// The desktop's automation object: shell windows -> the desktop window -> its browser -> its
// active view -> the view's background object -> the application (IShellDispatch2).
bool DesktopDispatch(Com<IShellDispatch2>& dispatch) {
  Com<IShellWindows> windows;
  if (FAILED(CreateComObject(CLSID_ShellWindows, CLSCTX_LOCAL_SERVER, IID_IShellWindows,
                             windows.outVoid()))) {
    return false;
  }
  Variant location;
  location.get().vt = VT_I4;
  location.get().lVal = CSIDL_DESKTOP;
  Variant root;
  long window = 0;
  Com<IDispatch> desktop;
  if (windows->FindWindowSW(&location.get(), &root.get(), SWC_DESKTOP, &window, SWFO_NEEDDISPATCH,
                            desktop.out()) != S_OK ||
      !desktop) {
    return false;
  }
  Com<IServiceProvider> services;
  Com<IShellBrowser> browser;
  Com<IShellView> view;
  Com<IDispatch> background;
  Com<IShellFolderViewDual> folderView;
  Com<IDispatch> application;
  return SUCCEEDED(desktop->QueryInterface(IID_IServiceProvider, services.outVoid())) &&
         SUCCEEDED(
             services->QueryService(SID_STopLevelBrowser, IID_IShellBrowser, browser.outVoid())) &&
         SUCCEEDED(browser->QueryActiveShellView(view.out())) && view &&
         SUCCEEDED(view->GetItemObject(SVGIO_BACKGROUND, IID_IDispatch, background.outVoid())) &&
         SUCCEEDED(background->QueryInterface(IID_IShellFolderViewDual, folderView.outVoid())) &&
         SUCCEEDED(folderView->get_Application(application.out())) && application &&
         SUCCEEDED(application->QueryInterface(IID_IShellDispatch2, dispatch.outVoid())) &&
         dispatch;
}

}  // namespace

bool OpenThroughDesktopShell(const std::string& address, int showCommand) {
  // Text that does not convert exactly is not opened at all.
  const std::vector<wchar_t> wideAddress = WideFromAnsi(address, MB_ERR_INVALID_CHARS);
  if (wideAddress.size() <= 1) return false;
  UseCom();
  Com<IShellDispatch2> dispatch;
  if (!DesktopDispatch(dispatch)) return false;
  BSTR file = AllocateBstr(wideAddress.data());
  BSTR verb = AllocateBstr(L"open");
  if (file == nullptr || verb == nullptr) {
    FreeBstr(file);
    FreeBstr(verb);
    return false;
  }
  Variant arguments;
  Variant directory;
  Variant operation;
  operation.get().vt = VT_BSTR;
  operation.get().bstrVal = verb;  // the variant frees it
  Variant show;
  show.get().vt = VT_I4;
  show.get().lVal = showCommand;
  const HRESULT result =
      dispatch->ShellExecute(file, arguments.get(), directory.get(), operation.get(), show.get());
  FreeBstr(file);
  return SUCCEEDED(result);
}

}  // namespace platform::win32

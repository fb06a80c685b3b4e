#include "platform/win32/DesktopShell.h"

// clang-format off
#include "platform/win32/WindowsApi.h"
#include <exdisp.h>
#include <shldisp.h>
#include <shlobj.h>
#include <shlguid.h>
// clang-format on

#include <vector>

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

// COM for this thread while the call lasts.
class ComForThisCall {
 public:
  ComForThisCall() : m_initialised(SUCCEEDED(CoInitialize(nullptr))) {}
  ~ComForThisCall() {
    if (m_initialised) CoUninitialize();
  }
  ComForThisCall(const ComForThisCall&) = delete;
  ComForThisCall& operator=(const ComForThisCall&) = delete;

 private:
  bool m_initialised;
};

class Variant {
 public:
  Variant() { VariantInit(&m_value); }
  ~Variant() { VariantClear(&m_value); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
  VARIANT& get() { return m_value; }

 private:
  VARIANT m_value;
};

// The text in the ANSI code page as UTF-16, for the automation call; empty when it does not
// convert.
std::wstring Wide(const std::string& text) {
  if (text.empty()) return std::wstring();
  const int length = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text.data(),
                                         static_cast<int>(text.size()), nullptr, 0);
  if (length <= 0) return std::wstring();
  std::vector<wchar_t> wide(static_cast<std::size_t>(length));
  MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()),
                      wide.data(), length);
  return std::wstring(wide.begin(), wide.end());
}

// The desktop's automation object: shell windows -> the desktop window -> its browser -> its
// active view -> the view's background object -> the application (IShellDispatch2).
bool DesktopDispatch(Com<IShellDispatch2>& dispatch) {
  Com<IShellWindows> windows;
  if (FAILED(CoCreateInstance(CLSID_ShellWindows, nullptr, CLSCTX_LOCAL_SERVER, IID_IShellWindows,
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
  const std::wstring wideAddress = Wide(address);
  if (wideAddress.empty()) return false;
  ComForThisCall com;
  Com<IShellDispatch2> dispatch;
  if (!DesktopDispatch(dispatch)) return false;
  BSTR file = SysAllocString(wideAddress.c_str());
  BSTR verb = SysAllocString(L"open");
  if (file == nullptr || verb == nullptr) {
    SysFreeString(file);
    SysFreeString(verb);
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
  SysFreeString(file);
  return SUCCEEDED(result);
}

}  // namespace platform::win32

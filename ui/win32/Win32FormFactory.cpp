#include "ui/win32/Win32FormFactory.h"

#include <commctrl.h>
#include <richedit.h>

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

#include "platform/Fatal.h"
#include "platform/win32/SystemLibraries.h"
#include "platform/win32/WideText.h"
#include "ui/win32/CaptionFit.h"
#include "ui/win32/ContainerWindow.h"
#include "ui/win32/DpiScaling.h"
#include "ui/win32/MessagePump.h"
#include "ui/win32/PictureIcon.h"
#include "ui/win32/Win32Buttons.h"
#include "ui/win32/Win32Container.h"
#include "ui/win32/Win32Edit.h"
#include "ui/win32/Win32Form.h"
#include "ui/win32/Win32Label.h"
#include "ui/win32/Win32ListView.h"
#include "ui/win32/Win32RadioGroup.h"
#include "ui/win32/Win32RichText.h"
#include "ui/win32/Win32TabControl.h"

namespace ui::win32 {

namespace {

HMENU MenuId(int id) { return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)); }

// The menu bar: top-level entries open pop-ups that hold the entries naming them as parent.
HMENU BuildMenu(const std::vector<MenuDesign>& entries, Win32Form& form, HINSTANCE instance) {
  if (entries.empty()) return nullptr;
  HMENU bar = CreateMenu();
  if (bar == nullptr) platform::Fatal("Cannot create the menu");
  // void*, as the file system keeps the handles it holds (Win32FileSystem): the two share one
  // map's code.
  std::map<std::string, void*> popups;
  for (const MenuDesign& entry : entries) {
    if (!entry.parent.empty()) continue;
    HMENU popup = CreatePopupMenu();
    MENUITEMINFOA info;
    ZeroMemory(&info, sizeof(info));
    info.cbSize = sizeof(info);
    // MIIM_STRING rather than MIIM_TYPE, which the system refuses together with MIIM_BITMAP.
    info.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE | MIIM_STRING;
    info.fType = MFT_STRING;
    info.wID = entry.id;
    info.hSubMenu = popup;
    std::string caption = entry.caption;
    info.dwTypeData = caption.data();
    PictureIcon picture(instance, entry.picture, GetSystemMetrics(SM_CXSMICON));
    if (!picture.Empty()) {
      info.fMask |= MIIM_BITMAP | MIIM_DATA;
      info.hbmpItem = HBMMENU_CALLBACK;
      info.dwItemData = form.win32Window().KeepMenuPicture(std::move(picture));
    }
    if (popup == nullptr || !InsertMenuItemA(bar, GetMenuItemCount(bar), TRUE, &info)) {
      if (popup != nullptr) DestroyMenu(popup);
      DestroyMenu(bar);
      platform::Fatal("Cannot create the menu entry " + entry.name);
    }
    popups[entry.name] = popup;
    form.AddMenuItem(entry.name, entry.id);
  }
  for (const MenuDesign& entry : entries) {
    if (entry.parent.empty()) continue;
    auto popup = popups.find(entry.parent);
    const bool separator = entry.caption == "-";
    if (popup == popups.end() ||
        !AppendMenuA(static_cast<HMENU>(popup->second), separator ? MF_SEPARATOR : MF_STRING,
                     separator ? 0 : entry.id, separator ? nullptr : entry.caption.c_str())) {
      DestroyMenu(bar);
      platform::Fatal("Cannot add menu entry " + entry.name + " to " + entry.parent);
    }
    if (!separator) form.AddMenuItem(entry.name, entry.id);
  }
  return bar;
}

// Where a control's children go: the window that holds them, or the tab control for pages.
struct Parent {
  HWND window = nullptr;
  Win32TabControl* tabs = nullptr;
  HWND frame = nullptr;  // a group box's frame, kept beneath the controls added to it
};

}  // namespace

Win32FormFactory::Win32FormFactory(HINSTANCE instance) : m_instance(instance), m_dpi(ScreenDpi()) {
  INITCOMMONCONTROLSEX controls;
  controls.dwSize = sizeof(controls);
  controls.dwICC = ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_WIN95_CLASSES;
  const auto initialize = platform::win32::SystemCall<decltype(&::InitCommonControlsEx)>(
      "comctl32.dll", "InitCommonControlsEx");
  if (initialize != nullptr) initialize(&controls);
  RegisterContainerClass(instance);
}

std::unique_ptr<Form> Win32FormFactory::CreateForm(const FormDesign& design,
                                                   platform::Handle owner) {
  const FormDesign spec = ScaledDesign(design, m_dpi);
  auto form = std::make_unique<Win32Form>(spec.fontFace, m_instance);
  Win32Window::RegisterFormClass(m_instance, spec.className, spec.border != BorderStyle::Dialog);
  HMENU menu = BuildMenu(spec.menu, *form, m_instance);
  if (!form->win32Window().Create(m_instance, spec, reinterpret_cast<HWND>(owner), menu)) {
    platform::Fatal("Cannot create window " + spec.className);
  }
  HWND window = form->win32Window().Window();
  FontCache& fonts = form->fonts();

  // A form has a handful of containers: a list searched by name does, without a map type of
  // its own in the program.
  std::vector<std::pair<std::string, Parent>> parents = {{"", {window, nullptr}}};

  // Controls are made in the order of the table, which is also their tab order; a control
  // listed before its parent waits for a later pass.
  std::vector<const ControlDesign*> waiting;
  for (const ControlDesign& control : spec.controls) waiting.push_back(&control);
  while (!waiting.empty()) {
    std::vector<const ControlDesign*> later;
    for (const ControlDesign* pending : waiting) {
      const ControlDesign& control = *pending;
      const auto parentEntry =
          std::find_if(parents.begin(), parents.end(),
                       [&control](const auto& entry) { return entry.first == control.parent; });
      if (parentEntry == parents.end()) {
        later.push_back(pending);
        continue;
      }
      const Parent parent = parentEntry->second;
      if ((control.kind == ControlKind::TabPage) != (parent.tabs != nullptr)) {
        platform::Fatal("control " + control.name + " cannot be placed on " +
                        (control.parent.empty() ? spec.className : control.parent));
      }
      const FontRequest request = {control.fontHeight > 0 ? control.fontHeight : spec.fontHeight,
                                   control.bold, control.underline,
                                   control.charset >= 0 ? control.charset : DEFAULT_CHARSET};
      HFONT font = fonts.Get(request);
      const RECT rect = {control.rect.left, control.rect.top,
                         control.rect.left + control.rect.width,
                         control.rect.top + control.rect.height};
      const DWORD visible = control.visible ? WS_VISIBLE : 0;
      auto makeChild = [&](DWORD exStyle, const char* windowClass, DWORD style,
                           bool unicode = false) {
        HWND child = nullptr;
        if (unicode) {
          const std::vector<wchar_t> wideClass = platform::win32::WideFromAnsi(windowClass);
          const std::vector<wchar_t> wideText = platform::win32::WideFromAnsi(control.text);
          child = CreateWindowExW(exStyle, wideClass.data(), wideText.data(),
                                  WS_CHILD | visible | style, rect.left, rect.top,
                                  control.rect.width, control.rect.height, parent.window,
                                  MenuId(control.id), m_instance, nullptr);
        } else {
          child = CreateWindowExA(exStyle, windowClass, control.text.c_str(),
                                  WS_CHILD | visible | style, rect.left, rect.top,
                                  control.rect.width, control.rect.height, parent.window,
                                  MenuId(control.id), m_instance, nullptr);
        }
        if (child == nullptr) platform::Fatal("Cannot create control " + control.name);
        SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        return child;
      };
      auto makeContainer = [&](ContainerLook look) {
        HWND container =
            CreateContainer(m_instance, parent.window, control.id, rect, look, control.visible);
        if (container == nullptr) {
          platform::Fatal("Cannot create control " + control.name);
        }
        SetWindowTextA(container, control.text.c_str());
        SendMessageA(container, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        return container;
      };

      HWND made = nullptr;
      switch (control.kind) {
        case ControlKind::TabControl: {
          auto& tabs = form->Keep(control.name, std::make_unique<Win32TabControl>());
          // WS_EX_CONTROLPARENT: the Tab key walks into the controls of the visible page.
          made = makeChild(WS_EX_CONTROLPARENT, WC_TABCONTROLA,
                           WS_TABSTOP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
          tabs.Attach(made);
          parents.push_back({control.name, {made, &tabs}});
          break;
        }
        case ControlKind::TabPage: {
          auto& page = form->Keep(control.name, std::make_unique<Win32Container>());
          made = parent.tabs->AddPage(m_instance, control.text, control.id);
          if (made == nullptr) platform::Fatal("Cannot create control " + control.name);
          SendMessageA(made, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
          page.Attach(made, nullptr, parent.tabs->Window(), parent.tabs->PageCount() - 1);
          parents.push_back({control.name, {made, nullptr}});
          break;
        }
        case ControlKind::GroupBox: {
          auto& box = form->Keep(control.name, std::make_unique<Win32Container>());
          made = makeContainer(ContainerLook::Plain);
          HWND frame = CreateFrame(m_instance, made, control.text.c_str(), font);
          if (frame == nullptr) platform::Fatal("Cannot create control " + control.name);
          box.Attach(made, frame);
          parents.push_back({control.name, {made, nullptr, frame}});
          break;
        }
        case ControlKind::Panel: {
          auto& panel = form->Keep(control.name, std::make_unique<Win32Container>());
          made = makeContainer(ContainerLook::Bevel);
          panel.Attach(made, nullptr);
          parents.push_back({control.name, {made, nullptr}});
          break;
        }
        case ControlKind::RadioGroup: {
          auto& group = form->Keep(control.name, std::make_unique<Win32RadioGroup>());
          made = makeContainer(ContainerLook::Plain);
          if (!group.Build(m_instance, made, control.id, control.text, control.items,
                           control.columns, font)) {
            platform::Fatal("Cannot create control " + control.name);
          }
          group.SetItemIndex(control.itemIndex);
          break;
        }
        case ControlKind::RadioButton: {
          auto& radio = form->Keep(control.name, std::make_unique<Win32RadioButton>());
          // The first option of a frame starts its group and is its tab stop.
          bool first = true;
          for (HWND sibling = GetWindow(parent.window, GW_CHILD); sibling != nullptr;
               sibling = GetWindow(sibling, GW_HWNDNEXT)) {
            if (IsOptionButton(sibling)) first = false;
          }
          made =
              makeChild(0, "BUTTON",
                        BS_AUTORADIOBUTTON | WS_CLIPSIBLINGS | (first ? WS_GROUP | WS_TABSTOP : 0));
          radio.Attach(made);
          if (control.checked) radio.SetChecked(true);
          break;
        }
        case ControlKind::Button: {
          auto& button = form->Keep(control.name, std::make_unique<Win32Button>());
          made = makeChild(0, "BUTTON", BS_PUSHBUTTON | WS_TABSTOP);
          button.Attach(made);
          // A tall button gets the large picture, one of a text line's height the small one.
          const int pictureSize = control.rect.height >= 2 * GetSystemMetrics(SM_CYICON)
                                      ? GetSystemMetrics(SM_CXICON)
                                      : GetSystemMetrics(SM_CXSMICON);
          // The picture keeps a quarter of its size free on either side.
          const int pictureRoom = control.picture.empty() ? 0 : pictureSize + pictureSize / 2;
          FitButtonCaption(made, control.text, control.fixedSize, fonts, request, pictureRoom);
          button.SetPicture(form->buttonPictures(), control.picture, pictureSize);
          break;
        }
        case ControlKind::Label: {
          auto& label = form->Keep(
              control.name,
              std::make_unique<Win32Label>(control.color, control.autoSize, control.rightAligned));
          const DWORD alignment = control.rightAligned ? SS_RIGHT
                                  : control.autoSize   ? SS_LEFTNOWORDWRAP
                                  : control.centred    ? SS_CENTER
                                                       : SS_LEFT;
          made = makeChild(0, "STATIC", SS_NOTIFY | alignment);
          label.Attach(made);
          break;
        }
        case ControlKind::Edit:
        case ControlKind::Memo: {
          auto& edit = form->Keep(control.name, std::make_unique<Win32Edit>());
          const DWORD lines = control.kind == ControlKind::Memo
                                  ? ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL
                                  : ES_AUTOHSCROLL;
          // A one-line field made as an ANSI window would keep its text in the code page, so the
          // characters it lacks would be lost as they are typed.
          made = makeChild(WS_EX_CLIENTEDGE, "EDIT",
                           WS_TABSTOP | lines | (control.readOnly ? ES_READONLY : 0),
                           control.kind == ControlKind::Edit);
          edit.Attach(made);
          break;
        }
        case ControlKind::RichText: {
          form->HoldRichEditLibrary(RichEditLibrary::Acquire());
          auto& rich = form->Keep(control.name, std::make_unique<Win32RichText>());
          const DWORD scrolling =
              control.verticalScrollBar ? WS_VSCROLL | ES_DISABLENOSCROLL | ES_AUTOVSCROLL : 0;
          made = makeChild(
              control.noBorder ? 0 : WS_EX_CLIENTEDGE, RichEditLibrary::kClassName,
              WS_TABSTOP | ES_MULTILINE | scrolling | (control.readOnly ? ES_READONLY : 0));
          rich.Attach(made);
          rich.KeepTextInsideClientArea();
          rich.SetDefaultFormat(font, control.charset >= 0 ? control.charset : DEFAULT_CHARSET);
          rich.SetText(control.text);
          break;
        }
        case ControlKind::ListView: {
          auto& list = form->Keep(control.name, std::make_unique<Win32ListView>());
          made = makeChild(
              WS_EX_CLIENTEDGE, WC_LISTVIEWA,
              WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | Win32ListView::kStyle);
          list.Attach(made, control.listColumns, control.wholeRowSelect, control.rowPictures);
          break;
        }
      }
      if (parent.frame != nullptr) {
        // New children go to the bottom of the stacking order; the frame must stay below them.
        SetWindowPos(parent.frame, HWND_BOTTOM, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      }
      if (!control.hint.empty()) form->AddHint(made, control.hint);
    }
    if (later.size() == waiting.size()) {
      platform::Fatal("control " + later.front()->name + " has no parent named " +
                      later.front()->parent);
    }
    waiting.swap(later);
  }
  SetUpKeyboard(spec, *form);
  return form;
}

void Win32FormFactory::SetUpKeyboard(const FormDesign& spec, Win32Form& form) {
  // Tab order is the order of the table. Options of one frame share a stop.
  std::vector<std::vector<HWND>> stops;
  const ControlDesign* previous = nullptr;
  Win32Window& window = form.win32Window();
  for (const ControlDesign& control : spec.controls) {
    Control* made = form.FindControl(control.name);
    HWND handle = made != nullptr ? reinterpret_cast<HWND>(made->Handle()) : nullptr;
    switch (control.kind) {
      case ControlKind::TabControl:
      case ControlKind::Button:
      case ControlKind::Edit:
      case ControlKind::Memo:
      case ControlKind::RichText:
      case ControlKind::ListView:
        stops.push_back({handle});
        break;
      case ControlKind::RadioGroup:
        // Made as a Win32RadioGroup above, by the same kind.
        stops.push_back(static_cast<Win32RadioGroup&>(*made).Options());
        break;
      case ControlKind::RadioButton:
        if (previous != nullptr && previous->kind == ControlKind::RadioButton &&
            previous->parent == control.parent) {
          stops.back().push_back(handle);
        } else {
          stops.push_back({handle});
        }
        break;
      case ControlKind::TabPage:
      case ControlKind::GroupBox:
      case ControlKind::Panel:
      case ControlKind::Label:
        break;
    }
    previous = &control;
  }
  window.SetTabStops(std::move(stops));
  window.SetKeyHandler([this, &form, keys = spec.keys](Key key, unsigned modifiers) {
    return form.PressKey(keys, key, modifiers, showHelpPage);
  });
}

void Win32FormFactory::RunMessageLoop() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchWithNavigation(message);
}

}  // namespace ui::win32

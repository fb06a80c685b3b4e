// The about box: product name, the running program's version, the maker's notice and links.
#pragma once

#include <memory>
#include <string>

#include "app/Application.h"
#include "ui/Form.h"

namespace help {

// The about box's window and controls as designed; the two link labels show these texts.
ui::FormDesign AboutLayout(const std::string& webSiteText, const std::string& mailText);

class TfrmAbout {
 private:
  // Declared first: the control references below are bound from the built form.
  app::Application& m_app;
  std::unique_ptr<ui::Form> m_form;

 public:
  // Builds the box (hidden) owned by `owner` and runs FormCreate.
  TfrmAbout(app::Application& application, ui::FormFactory& factory, platform::Handle owner);

  ui::Form& form() { return *m_form; }
  ui::Window& window() { return m_form->window(); }
  platform::Handle Handle() const { return m_form->window().Handle(); }

  ui::Label& lblProductFullName;
  ui::Label& lblVersion;
  ui::Label& labelWeb;
  ui::Label& labelMail;
  ui::Button& btnVisitHomePage;
  ui::Button& btnClose;

  void FormCreate();
  void btnCloseClick();
  void btnVisitHomePageClick();
  void labelWebClick();
  void labelMailClick();
  // Shared by both link labels.
  void labelWebMouseEnter(ui::Label& sender);
  void labelWebMouseLeave(ui::Label& sender);

 private:
  void ConnectEvents();
};

}  // namespace help

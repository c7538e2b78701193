// The program's windows, each kept until the program ends, and the settings of the two
// coordinate planes they share. The main window and the two plane-settings windows (which load
// the stored settings) are created at start; the others when they are first needed. The program
// object is also how the main window and the editor reach the other windows (WindowHost), and how
// the practice window reaches its result dialogs (PracticeDialogs).
#pragma once

#include "platform/qt_clock.h"
#include "platform/qt_settings_store.h"
#include "practice/practice_dialogs.h"
#include "render/plane_settings.h"
#include "services/window_host.h"
#include "windows/frm_ayamari.h"
#include "windows/frm_class_kiroku.h"
#include "windows/frm_help.h"
#include "windows/frm_kiroku.h"
#include "windows/frm_main.h"
#include "windows/frm_new_work.h"
#include "windows/frm_owari.h"
#include "windows/frm_print.h"
#include "windows/frm_renshu.h"
#include "windows/frm_seikai.h"
#include "windows/frm_set_cood.h"
#include "windows/frm_settei.h"
#include "windows/frm_tangen.h"
#include "windows/frm_tangen_open.h"
#include "windows/frm_version.h"
#include "windows/lazy_window.h"

class TProgram : public WindowHost, public PracticeDialogs {
 public:
  explicit TProgram(Prompter* prompter = nullptr);
  ~TProgram() override;
  TProgram(const TProgram&) = delete;
  TProgram& operator=(const TProgram&) = delete;

  // WindowHost
  void Show(ProgramWindow window) override;
  std::optional<std::string> AskUnitName(const std::string& shownTitle) override;
  std::optional<std::string> ChooseUnitForEditing() override;
  std::optional<PracticeSet> ChooseUnitForPractice() override;
  void ShowPractice(const PracticeSet& set) override;
  void ShowHelp(int32_t topic) override;

  // PracticeDialogs
  SeikaiResult ShowSeikai() override;
  AyamariResult ShowAyamari(const AyamariRequest& request) override;
  OwariResult ShowOwari(const OwariRequest& request) override;

  // The clock and the per-user settings store the windows use.
  QtClock clock;
  QtSettingsStore settingsStore;

  // The main plane's settings (edited in frmSetCood) and those of the practice and preview
  // planes (frmSetCood2).
  PlaneSettings planeSettings;
  PlaneSettings planeSettings2;

  TfrmMain frmMain;
  // Both load the stored plane settings as they are created; the second is never shown, so
  // the practice and preview planes keep the settings of the program's start.
  TfrmSetCood frmSetCood{&frmMain,      "frmSetCood",       planeSettings,
                         settingsStore, frmMain.prompter(), frmMain.layoutFigures().MaxCoodSize};
  TfrmSetCood frmSetCood2{&frmMain,      "frmSetCood2",      planeSettings2,
                          settingsStore, frmMain.prompter(), frmMain.layoutFigures().MaxCoodSize};

  LazyWindow<TfrmSettei> frmSettei;
  LazyWindow<TfrmNewWork> frmNewWork;
  LazyWindow<TfrmVersion> frmVersion;
  LazyWindow<TfrmRenshu> frmRenshu;
  LazyWindow<TfrmSeikai> frmSeikai;
  LazyWindow<TfrmAyamari> frmAyamari;
  LazyWindow<TfrmTangen> frmTangen;
  LazyWindow<TfrmOwari> frmOwari;
  LazyWindow<TfrmKiroku> frmKiroku;
  LazyWindow<TfrmClassKiroku> frmClassKiroku;
  LazyWindow<TfrmPrint> frmPrint;
  LazyWindow<TfrmTangenOpen> frmTangenOpen;
  // The help file's topics, shown on request.
  LazyWindow<THelpWindow> frmHelp;

 private:
  // A window built the first time it is needed: parented to the main window, with its help topic.
  template <typename Window, typename... Args>
  std::unique_ptr<Window> Build(int32_t helpTopic, Args&&... args) {
    auto window = std::make_unique<Window>(&frmMain, std::forward<Args>(args)...);
    window->setProperty("helpTopic", helpTopic);
    return window;
  }
  template <typename Dialog>
  std::unique_ptr<Dialog> PlacedBelowTheRecords(std::unique_ptr<Dialog> dialog);

  // The open-by-unit window over the unit library; true when closed with OK.
  bool OpenUnitWindow(bool openForEdit);
};

// Names the application the way the program presents itself.
void SetUpApplication();

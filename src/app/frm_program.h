// The program's windows, created once in a fixed order and kept until the program ends.
#pragma once

#include "app/frm_main.h"
#include "app/frm_windows.h"

struct TProgram {
  // Members are constructed in this order, which is the order the windows are created in.
  TfrmMain frmMain;
  TfrmSettei frmSettei{&frmMain};
  TfrmNewWork frmNewWork{&frmMain};
  TfrmVersion frmVersion{&frmMain};
  TfrmRenshu frmRenshu{&frmMain};
  TfrmSeikai frmSeikai{&frmMain};
  TfrmAyamari frmAyamari{&frmMain};
  TfrmTangen frmTangen{&frmMain};
  TfrmOwari frmOwari{&frmMain};
  TfrmKiroku frmKiroku{&frmMain};
  TfrmPrint frmPrint{&frmMain};
  TfrmTangenOpen frmTangenOpen{&frmMain};
  TfrmSetCood frmSetCood{&frmMain, "frmSetCood"};
  TfrmSetCood frmSetCood2{&frmMain, "frmSetCood2"};

  explicit TProgram(Prompter* prompter = nullptr);
  ~TProgram();
  TProgram(const TProgram&) = delete;
  TProgram& operator=(const TProgram&) = delete;
};

// Names the application the way the program presents itself.
void SetUpApplication();

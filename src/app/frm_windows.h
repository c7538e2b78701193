// The program's secondary windows. Each is created once at start and only shown and hidden.
// Windows whose behaviour is not built yet are plain windows with their caption.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "render/plane_settings.h"

class TShellForm : public QDialog {
  Q_OBJECT

 public:
  TShellForm(QWidget* parent, const char* objectName, const char* caption);
};

class TfrmSettei : public TShellForm {  // line kind of new curves
  Q_OBJECT
 public:
  explicit TfrmSettei(QWidget* parent);
};

class TfrmNewWork : public TShellForm {  // unit name asked before a save-as
  Q_OBJECT
 public:
  explicit TfrmNewWork(QWidget* parent);
  QLineEdit* edtTangen;
};

class TfrmVersion : public TShellForm {  // about window
  Q_OBJECT
 public:
  explicit TfrmVersion(QWidget* parent);
};

class TfrmRenshu : public TShellForm {  // practice and test
  Q_OBJECT
 public:
  explicit TfrmRenshu(QWidget* parent);
};

class TfrmSeikai : public TShellForm {  // right answer
  Q_OBJECT
 public:
  explicit TfrmSeikai(QWidget* parent);
};

class TfrmAyamari : public TShellForm {  // wrong answer
  Q_OBJECT
 public:
  explicit TfrmAyamari(QWidget* parent);
};

class TfrmTangen : public TShellForm {  // the open work's title, file name, count and lines
  Q_OBJECT
 public:
  explicit TfrmTangen(QWidget* parent);
  QLabel* lblTangen;
  QLabel* lblFileName;
  QLabel* lblNline;
  QPlainTextEdit* memFile;
};

class TfrmOwari : public TShellForm {  // end of a practice run
  Q_OBJECT
 public:
  explicit TfrmOwari(QWidget* parent);
};

class TfrmKiroku : public TShellForm {  // practice records
  Q_OBJECT
 public:
  explicit TfrmKiroku(QWidget* parent);
};

class TfrmPrint : public TShellForm {  // printing
  Q_OBJECT
 public:
  explicit TfrmPrint(QWidget* parent);
};

class TfrmTangenOpen : public TShellForm {  // open by unit name
  Q_OBJECT
 public:
  explicit TfrmTangenOpen(QWidget* parent);
};

class TfrmSetCood : public TShellForm {  // coordinate plane settings (two instances)
  Q_OBJECT
 public:
  TfrmSetCood(QWidget* parent, const char* objectName);
  // The settings the plane is drawn from.
  PlaneSettings Settings;
};

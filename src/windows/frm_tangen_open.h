// frmTangenOpen: opens a unit of the library by its title, for editing or for practice, with a
// preview of its curves on a plane of its own and in a list.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <string>

#include "library/tangen_open_form.h"
#include "platform/image_view.h"
#include "platform/qt_canvas.h"
#include "render/plane_settings.h"
#include "services/prompter.h"
#include "services/window_host.h"

class TfrmTangenOpen : public QDialog {
  Q_OBJECT
 public:
  // settings2: the practice planes' settings; mainSettings: the main plane's, which give the
  // preview plane its size. windows: where the records button leads.
  TfrmTangenOpen(QWidget* parent, WindowHost& windows, const PlaneSettings& settings2,
                 const PlaneSettings& mainSettings);

  // Shows the window modally over the main window; true when it was closed with OK (the
  // choice is then in Form()). recordsEnabled: the main window is not locked.
  bool Execute(bool openForEdit, const std::string& libraryPath, const EditorState& editorState,
               bool recordsEnabled, Prompter& prompter);
  const TangenOpenForm& Form() const { return form_; }

  QLabel* lblFileName;
  QListWidget* lstTitle;
  QListWidget* lstShiki;
  ImageView* imgCood;
  QPushButton* btnOK;
  QPushButton* btnCancel;
  QPushButton* btnRecord;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void FormShow(bool openForEdit, const std::string& libraryPath, const EditorState& editorState,
                bool recordsEnabled);
  void lstTitleClick(int row);
  void btnOKClick();
  void ShowPreview();
  void PlaceControls();

  QtCanvas planeCanvas_{544, 544};
  TangenOpenForm form_;
  WindowHost& windows_;
  Prompter* prompter_ = nullptr;
  QLabel* lblChoose_;
  QLabel* lblFileNameCaption_;
};

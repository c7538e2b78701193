// Every fixed text the core shows or writes — messages, questions, the signs and words of the
// panels and tool bar — as CP932 bytes, converted once in one place. Callers name the text they
// need; nothing else keeps or converts copies.
#pragma once

#include <string>

struct MessageTexts {
  // Drawing curves with the mouse.
  std::string LimitHead;  // "これ以上登録できません\r\n最大登録数は " + limit + LimitTail
  std::string LimitTail;        // " 本です"
  std::string ZeroConstant;     // a click on an axis
  std::string DomainCurveDrag;  // a curve with a domain cannot be dragged
  std::string CannotDraw;       // a drop or arrow move onto an axis
  std::string DomainEndAtZero;  // question: a domain end at x = 0
  std::string BadDomain;        // both domain clicks at the same x
  std::string CannotRegister;   // a curve through a point on an axis
  std::string NoTarget;         // arrow buttons with an empty list
  std::string SelectOnlyOne;    // arrow buttons with several curves selected
  std::string ChooseTarget;     // arrow buttons with nothing selected

  // The graph list.
  std::string EraseAllQuestion;
  std::string NoColorMidway;  // fixed colour while a curve waits for its domain
  std::string NoUndoMidway;   // undo or redo while a curve is placed or dragged
  std::string NoClipboardPicture;
  std::string ClearBitmapQuestion;

  // Test and practice.
  std::string NoTestData;
  std::string DomainNotTestable;

  // Work files.
  std::string DefaultFileNameSet;  // "ファイル名をMevrolin.mvrにしました"
  std::string ExtensionWarning;    // after the lower-cased extension
  std::string FileHead;            // "ファイル " + name + CannotOpenTail
  std::string CannotOpenTail;      // " が開けません"
  std::string BadStructure;
  std::string BadNumberMiddle;  // FileHead + name + " の " + line + BadNumberTail
  std::string BadNumberTail;
  std::string SaveFailedTail;  // name + "の保存に失敗しました"
  // name + SaveUnconfirmedTail: the file was replaced but the disk did not confirm it.
  std::string SaveUnconfirmedTail;
  std::string RecoverQuestion;  // at start, when the last run left unsaved curves
  // The unit contents: FileHead-less "メモの " + line + BadNumberTail.
  std::string MemoLineHead;
  std::string UnknownTitle;  // "？": a file whose title cannot be read

  // Help.
  std::string HelpHead;  // "ヘルプファイル " + file name + CannotOpenTail

  // Records of broken curves.
  std::string GraphModeError;

  // Texts of the panels and the tool bar.
  std::string LeSign;            // ≦
  std::string LtSign;            // ＜
  std::string GeSign;            // ≧
  std::string GtSign;            // ＞
  std::string WholeNote;         // "（０を除くすべての数）" under a whole curve's domain
  std::string WholeDomain;       // " x ＜ 0, 0 ＜ x"
  std::string WholeRange;        // " y ＜ 0, 0 ＜ y"
  std::string ModeWords[4];      // 全域, 中央, 右側, 左側
  std::string SegmentSigns[4];   // " ≦ ≦", " ≦ ＜", " ＜ ≦", " ＜ ＜"
  std::string HalfLineSigns[2];  // "  ≦ ", "  ＜ "
  std::string IneqDesignText;    // "≦　≦", before the first mode is chosen
  std::string NewUnitTitle;      // "新しい単元"

  // ---- The unit library and the editor's file commands. ----
  std::string EnterUnitName;       // "単元名を入力してください"
  std::string SameUnitName;        // question: a drawing file already has this title
  std::string UnwritableUnitName;  // a typed title with characters no work file can hold
  std::string ChooseUnit;          // OK in the open-by-unit window before any click
  std::string SaveCurrentData;     // question before New and Open: yes / no / cancel
  std::string OverwriteTail;       // name + "上書きしてもいいですか"
  std::string NoDataToSave;        // overwrite and save-as with no curves
  std::string OpenFilter;          // the open dialog's "description|*.ext|..." pairs
  std::string SaveFilter;          // the save dialog's, with half-width katakana
  std::string FigureFilter;        // 図を保存: PNG at 1, 2 and 4 times, SVG

  // ---- Practice records. ----
  std::string YearMark;            // 年
  std::string MonthMark;           // 月
  std::string DayMark;             // 日
  std::string RecordCountTail;     // count + "回 " + title, a line of the records viewer
  std::string NoRecords;           // the records of a unit that has none
  std::string ChooseUnitsToErase;  // erase with no unit selected
  std::string EraseRecordsQuestion;
  // RecordWriteFailed + the system's reason + RecordNoteDown + unit title + CR LF + the line.
  std::string RecordWriteFailed;
  std::string RecordNoteDown;
  std::string RecordEraseFailed;
  std::string RecordReadFailed;
  // The records of a class.
  std::string ClassUnreadable;        // a pupil whose folder or Record.ini cannot be read
  std::string ClassFolderUnreadable;  // the class folder itself cannot be listed
  std::string ClassCsvHeader;         // the CSV file's first line, fields separated by commas
  std::string CsvFilter;              // the save dialog's "description|*.csv"

  // ---- The practice window and its result dialogs. ----
  std::string QuestionTail;  // "(" + n + QuestionTail: ")次の関数のグラフをかきなさい"
  std::string MarkFirstTry;        // ○
  std::string MarkAfterHint;       // △
  std::string MarkAfterMiss;       // ×
  std::string MinuteMark;          // 分
  std::string SecondMark;          // 秒
  std::string RunRule;             // "------------" under the last question
  std::string RunTotalIndent;      // six blanks before the run's total time
  std::string WrongAnswer;         // "誤りです。訂正してください"
  std::string AnswerIsShown;       // "正解を表示しています"
  std::string AllRight;            // "★★全問正解です★★"
  std::string ReviewDone;          // "　復習を終わりました"
  std::string RunDone;             // "　　終了しました"
  std::string ZeroConstantTail;    // "(" + n + ZeroConstantTail: a question whose curve is the axes
  std::string NoLatticePointTail;  // "(" + n + NoLatticePointTail: a question no click can answer

  // ---- The line-kind and plane-settings dialogs. ----
  std::string SizeRangeHead;  // "値の範囲は160以上" + the largest plane + SizeRangeTail
  std::string SizeRangeTail;  // "以下です"
  std::string SpacingRange;   // "値の範囲は4以上32以下です"
  // The plane-settings edits as a message names them, in the order of CoodEdit: size, spacing,
  // start and end of the scale, each X then Y.
  std::string CoodFieldNames[8];
  std::string NotWholeTail;      // field name + "には整数を入力してください"
  std::string SettingsNotSaved;  // the settings store could not be written

  // ---- Printing. ----
  std::string PrintFailed;  // a print job could not be started or finished
};

const MessageTexts& Msg();

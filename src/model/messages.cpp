#include "model/messages.h"

#include "model/cp932.h"

const MessageTexts& Msg() {
  static const MessageTexts texts = [] {
    MessageTexts t;
    t.LimitHead = ToCp932("これ以上登録できません\r\n最大登録数は ");
    t.LimitTail = ToCp932(" 本です");
    t.ZeroConstant = ToCp932("比例定数が０のグラフは描けません");
    t.DomainCurveDrag = ToCp932("変域付きの曲線は、ドラッグできません");
    t.CannotDraw = ToCp932("曲線が描けません");
    t.DomainEndAtZero = ToCp932("変域の一方を０にしますか");
    t.BadDomain = ToCp932("変域が正しくありません");
    t.CannotRegister = ToCp932("放物線が描けないので登録できません");
    t.NoTarget = ToCp932("対象となる式がありません");
    t.SelectOnlyOne = ToCp932("選択は１つにしてください");
    t.ChooseTarget =
        ToCp932("対象となる式を選んでください。\r\rグラフのハンドルを右クリックしてください");

    t.EraseAllQuestion = ToCp932("全部削除してもいいですか？");
    t.NoColorMidway = ToCp932("途中で色は変更できません");
    t.NoUndoMidway = ToCp932("曲線をかいている途中では、元に戻す・やり直しはできません");
    t.NoClipboardPicture = ToCp932("クリップボードに図がありません");
    t.ClearBitmapQuestion = ToCp932("ビットマップをクリアしてもいいですか");

    t.NoTestData = ToCp932("テストするデータがありません");
    t.DomainNotTestable = ToCp932("変域があるものはテストできません");

    t.DefaultFileNameSet = ToCp932("ファイル名をMevrolin.mvrにしました");
    t.ExtensionWarning = ToCp932("拡張子はmvrまたはtstを使ってください");
    t.FileHead = ToCp932("ファイル ");
    t.CannotOpenTail = ToCp932(" が開けません");
    t.BadStructure = ToCp932("データの構造が違います。");
    t.BadNumberMiddle = ToCp932(" の ");
    t.BadNumberTail = ToCp932(" 行目に整数でない値があります");
    t.SaveFailedTail = ToCp932("の保存に失敗しました");
    t.SaveUnconfirmedTail = ToCp932("を保存しましたが、ディスクへの書き込みを確認できませんでした");
    t.RecoverQuestion = ToCp932("前回保存されなかった作品があります。復元しますか？");
    t.MemoLineHead = ToCp932("ファイルの内容の ");
    t.UnknownTitle = ToCp932("？");

    t.HelpHead = ToCp932("ヘルプファイル ");

    t.GraphModeError = "GraphMode error";

    t.LeSign = ToCp932("≦");
    t.LtSign = ToCp932("＜");
    t.GeSign = ToCp932("≧");
    t.GtSign = ToCp932("＞");
    t.WholeNote = ToCp932("（０を除くすべての数）");
    t.WholeDomain = ToCp932(" x ＜ 0, 0 ＜ x");
    t.WholeRange = ToCp932(" y ＜ 0, 0 ＜ y");
    const char* const modeWords[4] = {"全域", "中央", "右側", "左側"};
    const char* const segmentSigns[4] = {" ≦ ≦", " ≦ ＜", " ＜ ≦", " ＜ ＜"};
    for (int i = 0; i < 4; ++i) {
      t.ModeWords[i] = ToCp932(modeWords[i]);
      t.SegmentSigns[i] = ToCp932(segmentSigns[i]);
    }
    t.HalfLineSigns[0] = ToCp932("  ≦ ");
    t.HalfLineSigns[1] = ToCp932("  ＜ ");
    t.IneqDesignText = ToCp932("≦　≦");
    t.NewUnitTitle = ToCp932("新しい単元");

    // ---- The unit library and the editor's file commands. ----
    t.EnterUnitName = ToCp932("単元名を入力してください");
    t.SameUnitName = ToCp932("同じ単元名がありますが、いいですか？");
    t.UnwritableUnitName = ToCp932("単元名に使えない文字があります");
    t.ChooseUnit = ToCp932("単元を選択してください");
    t.SaveCurrentData = ToCp932("現在のデータを保存しますか");
    t.OverwriteTail = ToCp932("上書きしてもいいですか");
    t.NoDataToSave = ToCp932("保存するﾃﾞｰﾀがありません");
    t.OpenFilter = ToCp932("mvr描画用ファイル|*.mvr|tstテスト用ファイル|*.tst");
    t.SaveFilter = ToCp932("mvr描画用ファイル|*.mvr|tstﾃｽﾄ用ﾌｧｲﾙ|*.tst");
    t.FigureFilter =
        ToCp932("PNG画像（等倍）|*.png|PNG画像（2倍）|*.png|PNG画像（4倍）|*.png|SVG図形|*.svg");

    // ---- Practice records. ----
    t.YearMark = ToCp932("年");
    t.MonthMark = ToCp932("月");
    t.DayMark = ToCp932("日");
    t.RecordCountTail = ToCp932("回 ");
    t.NoRecords = ToCp932("練習の記録はありません");
    t.ChooseUnitsToErase = ToCp932("消去する単元を選んでください");
    t.EraseRecordsQuestion = ToCp932("記録を消してもいいですか？");
    t.RecordWriteFailed = ToCp932("練習の記録を Record.ini に書き込めませんでした。\r\n");
    t.RecordNoteDown = ToCp932("次の記録を書き留めておいてください。\r\n\r\n");
    t.RecordEraseFailed = ToCp932("Record.ini の記録を消去できませんでした。");
    t.RecordReadFailed = ToCp932("Record.ini が読めません。練習の記録は表示できません。");
    t.ClassUnreadable = ToCp932("記録を読めません");
    t.ClassFolderUnreadable = ToCp932("クラスのフォルダが読めません");
    t.ClassCsvHeader = ToCp932(
        "生徒,単元,回数,最新の日時,最新の結果,最新の時間（秒）,最新で1回目に正解した数,"
        "全回の最短時間（秒）,備考");
    t.CsvFilter = ToCp932("CSVファイル|*.csv");

    // ---- The practice window and its result dialogs. ----
    t.QuestionTail = ToCp932(")次の関数のグラフをかきなさい");
    t.MarkFirstTry = ToCp932("○");
    t.MarkAfterHint = ToCp932("△");
    t.MarkAfterMiss = ToCp932("×");
    t.MinuteMark = ToCp932("分");
    t.SecondMark = ToCp932("秒");
    t.RunRule = "------------";
    t.RunTotalIndent = "      ";
    t.WrongAnswer = ToCp932("誤りです。訂正してください");
    t.AnswerIsShown = ToCp932("正解を表示しています");
    t.AllRight = ToCp932("★★全問正解です★★");
    t.ReviewDone = ToCp932("　復習を終わりました");
    t.RunDone = ToCp932("　　終了しました");
    t.ZeroConstantTail = ToCp932(")の関数は比例定数が0なので、答えられません");
    t.NoLatticePointTail =
        ToCp932(")の関数のグラフは練習の座標面の格子点を通らないので、答えられません");

    // ---- The line-kind and plane-settings dialogs. ----
    t.SizeRangeHead = ToCp932("値の範囲は160以上");
    t.SizeRangeTail = ToCp932("以下です");
    t.SpacingRange = ToCp932("値の範囲は4以上32以下です");
    const char* const coodFields[8] = {
        "ｻｲｽﾞ（X座標）",     "ｻｲｽﾞ（Ｙ座標）",     "目盛（X座標）",     "目盛（Ｙ座標）",
        "目盛開始（X座標）", "目盛開始（Ｙ座標）", "目盛終了（X座標）", "目盛終了（Ｙ座標）"};
    for (int i = 0; i < 8; ++i) t.CoodFieldNames[i] = ToCp932(coodFields[i]);
    t.NotWholeTail = ToCp932("には整数を入力してください");
    t.SettingsNotSaved =
        ToCp932("座標面の設定を保存できませんでした\r\nこの設定は今回だけ使われます");

    // ---- Printing. ----
    t.PrintFailed = ToCp932("印刷できません");

    return t;
  }();
  return texts;
}

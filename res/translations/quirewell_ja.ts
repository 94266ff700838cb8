<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>ApplicationButton</name>
    <message>
        <source>Click to Start File Renaming Process</source>
        <translation>クリックしてファイル名の変更を開始</translation>
    </message>
</context>
<context>
    <name>BatchRun</name>
    <message>
        <source>No Checked File Gets a New Name: Nothing to Rename.</source>
        <translation>チェックしたファイルに新しい名前がつくものはありません: 変更するものはありません。</translation>
    </message>
    <message>
        <source>Renaming Done: %1, %2</source>
        <translation>名前の変更完了: %1、%2</translation>
    </message>
    <message numerus="yes">
        <source>%n File(s) Renamed</source>
        <translation>
            <numerusform>%n 個のファイルを変更</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n File(s) Could Not be Renamed</source>
        <translation>
            <numerusform>%n 個のファイルを変更できませんでした</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, Cancelled Before %n File(s)</source>
        <translation>
            <numerusform>、%n 個のファイルの前で取り消し</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BatchScreen</name>
    <message numerus="yes">
        <source>Renaming Files: %1 of %n Done</source>
        <translation>
            <numerusform>ファイル名を変更中: %n 件中 %1 件完了</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BatchUndo</name>
    <message>
        <source>Nothing to Rename Back in the Batch of %1 in Folder [%2].</source>
        <translation>フォルダー [%2] の %1 の一括変更には、元に戻す名前がありません。</translation>
    </message>
    <message numerus="yes">
        <source>Undo the Batch Rename of %1 in Folder [%2].

Rename %n File(s) Back to Their Old Names Now ?</source>
        <translation>
            <numerusform>フォルダー [%2] の %1 の一括変更を元に戻します。

%n 個のファイルを今すぐ元の名前に戻しますか?</numerusform>
        </translation>
    </message>
    <message>
        <source>The Newest Batch Rename, of %1 in Folder [%2], Renamed Nothing: There is Nothing to Undo in it.

Instead, </source>
        <translation>最新の一括変更 (フォルダー [%2] の %1) では何も変更されていないため、元に戻すものはありません。

代わりに: </translation>
    </message>
    <message>
        <source>Passed Over: %1

</source>
        <translation>スキップ: %1

</translation>
    </message>
    <message numerus="yes">
        <source>The Batch Rename of %1 in Folder [%2] was Interrupted: %3 of %n File(s) had been Renamed.</source>
        <translation>
            <numerusform>フォルダー [%2] の %1 の一括変更は中断されました: %n 個中 %3 個のファイルが変更済みです。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo the %n renames already done</source>
        <translation>
            <numerusform>変更済みの %n 件を元に戻す</numerusform>
        </translation>
    </message>
    <message>
        <source>Keep them</source>
        <translation>そのままにする</translation>
    </message>
    <message numerus="yes">
        <source>Undo Stopped: %n File(s) Renamed Back to Their Old Names, the Rest can be Undone Again</source>
        <translation>
            <numerusform>元に戻す操作を中止: %n 個のファイルを元の名前に戻しました。残りは再度元に戻せます</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo Done: %n File(s) Renamed Back to Their Old Names</source>
        <translation>
            <numerusform>元に戻しました: %n 個のファイルを元の名前に戻しました</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About %1</source>
        <translation>%1 について</translation>
    </message>
    <message>
        <source>%1, Version %2</source>
        <translation>%1 バージョン %2</translation>
    </message>
    <message>
        <source>Contact : %1</source>
        <translation>連絡先: %1</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>GNU 一般公衆利用許諾書バージョン 3 以降のもとで配布されるフリーソフトウェアです。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CDlgRenameFailures</name>
    <message>
        <source>Files Not Renamed - </source>
        <translation>変更できなかったファイル - </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message numerus="yes">
        <source>%n renamed</source>
        <translation>
            <numerusform>%n 件変更</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be renamed</source>
        <translation>
            <numerusform>%n 件変更できず</numerusform>
        </translation>
    </message>
    <message>
        <source>Failures</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>Loaded File Name</source>
        <translation>読み込んだファイル名</translation>
    </message>
    <message>
        <source>New File Name</source>
        <translation>新しいファイル名</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>場所</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>理由</translation>
    </message>
</context>
<context>
    <name>CDlgRenameParameters</name>
    <message>
        <source>Add Number at Start From :</source>
        <translation>先頭に番号を付ける 開始値:</translation>
    </message>
    <message>
        <source>Add Number at End From :</source>
        <translation>末尾に番号を付ける 開始値:</translation>
    </message>
    <message>
        <source>Find &amp;&amp; Replace in File Name</source>
        <translation>ファイル名の検索と置換</translation>
    </message>
    <message>
        <source>&amp;New Name :</source>
        <translation>新しい名前(&amp;N):</translation>
    </message>
    <message>
        <source>Remove Initial Characters of Length :</source>
        <translation>先頭の文字を削除 文字数:</translation>
    </message>
    <message>
        <source>Upper Case</source>
        <translation>大文字</translation>
    </message>
    <message>
        <source>Lower Case</source>
        <translation>小文字</translation>
    </message>
    <message>
        <source>Restart Numbers in Every Fol&amp;der</source>
        <translation>フォルダーごとに番号を振り直す(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Pad Numbers in Name to Digits :</source>
        <translation>名前の数字をゼロで埋める 桁数(&amp;P):</translation>
    </message>
    <message>
        <source>The least number of digits, with leading zeros (0 or 1: as many as the number has)</source>
        <translation>先頭にゼロを付けた最小の桁数 (0 または 1: 数字の桁数のまま)</translation>
    </message>
    <message>
        <source>Added to the number from file to file (negative: counts down)</source>
        <translation>ファイルごとに番号に加える値 (負の値: 減らしていく)</translation>
    </message>
    <message>
        <source>Regular e&amp;xpression</source>
        <translation>正規表現(&amp;X)</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>大文字と小文字を区別(&amp;C)</translation>
    </message>
    <message>
        <source>Replace &amp;all</source>
        <translation>すべて置換(&amp;A)</translation>
    </message>
    <message>
        <source>T&amp;itle Case</source>
        <translation>単語の先頭を大文字(&amp;I)</translation>
    </message>
    <message>
        <source>Sent&amp;ence Case</source>
        <translation>文の先頭を大文字(&amp;E)</translation>
    </message>
    <message>
        <source>Trim &amp;Spaces</source>
        <translation>余分な空白を削除(&amp;S)</translation>
    </message>
    <message>
        <source>Spe&amp;ll in ASCII</source>
        <translation>ASCII で表記(&amp;L)</translation>
    </message>
    <message>
        <source>Lower-Case Extensi&amp;on</source>
        <translation>拡張子を小文字に(&amp;O)</translation>
    </message>
    <message>
        <source>Whole Name</source>
        <translation>名前全体</translation>
    </message>
    <message>
        <source>Name Without Extension</source>
        <translation>拡張子を除く名前</translation>
    </message>
    <message>
        <source>Extension Only</source>
        <translation>拡張子のみ</translation>
    </message>
    <message>
        <source>What Find &amp;&amp; Replace and the case boxes change; title and sentence case never change the extension of the whole name</source>
        <translation>検索と置換および大文字・小文字の設定が変更する部分。単語や文の先頭の大文字化で名前全体の拡張子が変わることはありません</translation>
    </message>
    <message>
        <source>Other scripts in Latin letters, accents dropped; emoji and bytes that are not UTF-8 are kept</source>
        <translation>他の文字体系をアクセントなしのラテン文字に変換します。絵文字と UTF-8 でないバイトはそのまま残ります</translation>
    </message>
    <message>
        <source>No spaces around the name without its extension, one for each run</source>
        <translation>拡張子を除く名前の前後の空白を削除し、連続する空白を 1 つにします</translation>
    </message>
    <message>
        <source>&amp;Find :</source>
        <translation>検索(&amp;F):</translation>
    </message>
    <message>
        <source>Replace With :</source>
        <translation>置換後:</translation>
    </message>
    <message>
        <source>&amp;Rename All</source>
        <translation>すべて名前を変更(&amp;R)</translation>
    </message>
    <message>
        <source>Digits :</source>
        <translation>桁数:</translation>
    </message>
    <message>
        <source>Step :</source>
        <translation>増分:</translation>
    </message>
    <message>
        <source>Apply Find &amp;&amp; Replace and Case &amp;To :</source>
        <translation>検索と置換・大文字小文字の適用先(&amp;T):</translation>
    </message>
    <message>
        <source>File Rename Parameter(s) - </source>
        <translation>名前変更のパラメーター - </translation>
    </message>
    <message>
        <source>Please enter an integer. The last valid number is kept.</source>
        <translation>整数を入力してください。最後の有効な数値が使われます。</translation>
    </message>
    <message>
        <source>. The list shows the names of the last valid expression, and nothing is renamed until it is corrected.</source>
        <translation>。一覧には最後の有効な式による名前が表示され、修正するまで名前は変更されません。</translation>
    </message>
    <message>
        <source>(none chosen)</source>
        <translation>(未選択)</translation>
    </message>
    <message>
        <source>Choose a preset to put its rename parameters in this window</source>
        <translation>プリセットを選ぶと、その名前変更のパラメーターをこのウィンドウに設定します</translation>
    </message>
    <message>
        <source>Appl&amp;y Preset :</source>
        <translation>プリセットを適用(&amp;Y):</translation>
    </message>
    <message>
        <source>Mana&amp;ge Presets</source>
        <translation>プリセットの管理(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Save Current Parameters as Preset...</source>
        <translation>現在のパラメーターをプリセットとして保存(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Rename Preset...</source>
        <translation>プリセットの名前を変更(&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Delete Preset</source>
        <translation>プリセットを削除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Import Preset...</source>
        <translation>プリセットをインポート(&amp;I)...</translation>
    </message>
    <message>
        <source>&amp;Export Preset...</source>
        <translation>プリセットをエクスポート(&amp;E)...</translation>
    </message>
    <message>
        <source>Invalid template at position %1: %2. The list shows the names of the last valid template, and nothing is renamed until it is corrected.</source>
        <translation>位置 %1 のテンプレートが無効です: %2。一覧には最後の有効なテンプレートによる名前が表示され、修正されるまで名前は変更されません。</translation>
    </message>
    <message>
        <source>%1    %2</source>
        <translation>%1    %2</translation>
    </message>
    <message>
        <source>%1    (no value)</source>
        <translation>%1    (値なし)</translation>
    </message>
    <message>
        <source>Name Te&amp;mplate :</source>
        <translation>名前テンプレート(&amp;U):</translation>
    </message>
    <message>
        <source>Build each whole name from the template; the other parameters then apply to it</source>
        <translation>テンプレートから名前全体を作成し、その後ほかのパラメーターを適用します</translation>
    </message>
    <message>
        <source>{photo.taken:%Y-%m-%d_%H%M%S} {counter:3}{ext}</source>
        <translation>{photo.taken:%Y-%m-%d_%H%M%S} {counter:3}{ext}</translation>
    </message>
    <message>
        <source>Insert To&amp;ken</source>
        <translation>トークンの挿入(&amp;K)</translation>
    </message>
</context>
<context>
    <name>CDlgSettings</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>List Hidden File(s)</source>
        <translation>隠しファイルを一覧に表示</translation>
    </message>
    <message>
        <source>List Read Only File(s)</source>
        <translation>読み取り専用ファイルを一覧に表示</translation>
    </message>
    <message>
        <source>Rename chains and swaps through temporary names</source>
        <translation>連鎖や入れ替えの名前変更に一時的な名前を使う</translation>
    </message>
    <message>
        <source>Sort names in natural order (file2 before file10)</source>
        <translation>名前を自然な順序で並べる (file2 を file10 より前に)</translation>
    </message>
    <message>
        <source>Settings - </source>
        <translation>設定 - </translation>
    </message>
</context>
<context>
    <name>CDlgSingleFileRename</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>&amp;New File Name :</source>
        <translation>新しいファイル名(&amp;N):</translation>
    </message>
    <message>
        <source>&amp;File to Rename :</source>
        <translation>変更するファイル(&amp;F):</translation>
    </message>
    <message>
        <source>Rename Single File - </source>
        <translation>ファイル名の変更 - </translation>
    </message>
    <message>
        <source>New File Name Cannot be Left Empty.</source>
        <translation>新しいファイル名を空にすることはできません。</translation>
    </message>
    <message>
        <source>Could Not Rename File.

</source>
        <translation>ファイル名を変更できませんでした。

</translation>
    </message>
</context>
<context>
    <name>CDlgTextList</name>
    <message>
        <source>&amp;Copy List</source>
        <translation>一覧をコピー(&amp;C)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>CDlgUnreadFolders</name>
    <message>
        <source>Folders Not Read - </source>
        <translation>読み込めなかったフォルダー - </translation>
    </message>
    <message numerus="yes">
        <source>%n Sub Folder(s) Could Not be Read: Their Files are Not Listed</source>
        <translation>
            <numerusform>%n 個のサブフォルダーを読み込めませんでした: その中のファイルは一覧にありません</numerusform>
        </translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>理由</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
</context>
<context>
    <name>CQuirewellDoc</name>
    <message>
        <source>Orvalt Quirewell Files (*.kvx)</source>
        <translation>Orvalt Quirewell ファイル (*.kvx)</translation>
    </message>
    <message>
        <source>%1
Cannot find this file.
Please verify that the correct path and file name are given.</source>
        <translation>%1
このファイルが見つかりません。
パスとファイル名が正しいか確認してください。</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>ドキュメントを開けませんでした。</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>ドキュメントを保存できませんでした。</translation>
    </message>
</context>
<context>
    <name>CQuirewellView</name>
    <message>
        <source>Could Not Open Temporary File to Save File List.</source>
        <translation>ファイル一覧を保存する一時ファイルを開けませんでした。</translation>
    </message>
    <message>
        <source>Please select a File to Rename.</source>
        <translation>名前を変更するファイルを選択してください。</translation>
    </message>
    <message>
        <source>List a folder first: the list file names its files.</source>
        <translation>先にフォルダーを一覧表示してください。リスト ファイルはそのファイルを名前で指定します。</translation>
    </message>
    <message>
        <source>Name lists (*.tsv *.txt *.csv);;All files (*)</source>
        <translation>名前のリスト (*.tsv *.txt *.csv);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>%1 行目: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>ほか %n 件</numerusform>
        </translation>
    </message>
    <message>
        <source>The list %1 cannot be used; the new names are as they were.

%2</source>
        <translation>リスト %1 は使用できません。新しい名前は元のままです。

%2</translation>
    </message>
    <message>
        <source>Please select a File to give a New File Name.</source>
        <translation>新しい名前を付けるファイルを選択してください。</translation>
    </message>
    <message>
        <source>New File Name</source>
        <translation>新しいファイル名</translation>
    </message>
    <message>
        <source>File List</source>
        <translation>ファイル一覧</translation>
    </message>
    <message>
        <source>Space checks or unchecks the current row, Shift+F10 opens its menu; Alt, H, B sorts the list by a column</source>
        <translation>Space キーで現在の行をチェックまたは解除し、Shift+F10 でそのメニューを開きます。Alt、H、B で列ごとに一覧を並べ替えます</translation>
    </message>
</context>
<context>
    <name>CSpinArrows</name>
    <message>
        <source>Increase</source>
        <translation>増やす</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>減らす</translation>
    </message>
</context>
<context>
    <name>CaptionBar</name>
    <message>
        <source>Open Folder</source>
        <translation>フォルダーを開く</translation>
    </message>
    <message>
        <source>View Folder Contents in Windows Explorer</source>
        <translation>ファイルマネージャーでフォルダーの内容を表示</translation>
    </message>
    <message>
        <source>&lt;b&gt;Information About Files Listed&lt;/b&gt;&lt;br&gt;This Bar Displays the Folder Location from Which Files are Listed.</source>
        <translation>&lt;b&gt;一覧のファイルについて&lt;/b&gt;&lt;br&gt;このバーには、一覧のファイルがあるフォルダーの場所が表示されます。</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>&amp;Folder Location</source>
        <translation>フォルダーの場所(&amp;F)</translation>
    </message>
    <message>
        <source>Check All</source>
        <translation>すべてチェック</translation>
    </message>
    <message>
        <source>UnCheck All</source>
        <translation>すべてのチェックを外す</translation>
    </message>
    <message>
        <source>Locate in Explorer</source>
        <translation>ファイルマネージャーで表示</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>切り替え</translation>
    </message>
    <message>
        <source>Source Folder in Explorer</source>
        <translation>元のフォルダーをファイルマネージャーで表示</translation>
    </message>
    <message>
        <source>Export File List</source>
        <translation>ファイル一覧をエクスポート</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Rename Parameters</source>
        <translation>名前変更のパラメーター</translation>
    </message>
    <message>
        <source>Rename Selected File Now</source>
        <translation>選択したファイルの名前を今すぐ変更</translation>
    </message>
    <message>
        <source>Rename Selected File Now in a Seperate Screen.</source>
        <translation>選択したファイルの名前を別の画面で今すぐ変更します。</translation>
    </message>
    <message>
        <source>Rename Selected File</source>
        <translation>選択したファイルの名前を変更</translation>
    </message>
    <message>
        <source>Refresh File List</source>
        <translation>一覧を更新</translation>
    </message>
    <message>
        <source>Scan Selected Folder and Load List of Files Again</source>
        <translation>選択したフォルダーを再度調べてファイル一覧を読み込み直します</translation>
    </message>
    <message>
        <source>Reload File List (%1)</source>
        <translation>ファイル一覧を再読み込み (%1)</translation>
    </message>
    <message>
        <source>Display New Files Names as Per Parameters</source>
        <translation>パラメーターに従って新しい名前を表示</translation>
    </message>
    <message>
        <source>Remove UnChecked Files From List</source>
        <translation>チェックのないファイルを一覧から削除</translation>
    </message>
    <message>
        <source>Copy Current File Name</source>
        <translation>現在のファイル名をコピー</translation>
    </message>
    <message>
        <source>Start File Renaming process</source>
        <translation>ファイル名の変更を開始</translation>
    </message>
    <message>
        <source>Share On Facebook</source>
        <translation>Facebook で共有</translation>
    </message>
    <message>
        <source>Share this Software&apos;s URL on Facebook</source>
        <translation>このソフトウェアの URL を Facebook で共有します</translation>
    </message>
    <message>
        <source>Share on Facebook</source>
        <translation>Facebook で共有</translation>
    </message>
    <message>
        <source>Files in Sub Folder(s)</source>
        <translation>サブフォルダーのファイル</translation>
    </message>
    <message>
        <source>List Files from Sub Folder(s) of the Selected Folder</source>
        <translation>選択したフォルダーのサブフォルダーにあるファイルも一覧に表示します</translation>
    </message>
    <message>
        <source>Sub Folder Search</source>
        <translation>サブフォルダーも検索</translation>
    </message>
    <message>
        <source>Undo Rename</source>
        <translation>名前の変更を元に戻す</translation>
    </message>
    <message>
        <source>Rename the Files of the Last Batch Back to Their Old Names</source>
        <translation>最後の一括変更のファイルを元の名前に戻します</translation>
    </message>
    <message>
        <source>Undo Rename (%1)</source>
        <translation>名前の変更を元に戻す (%1)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Stop Listing or Renaming Files; Files Listed or Renamed So Far Stay So</source>
        <translation>一覧表示または名前の変更を中止します。それまでに表示・変更したファイルはそのままです</translation>
    </message>
    <message>
        <source>Cancel (%1)</source>
        <translation>キャンセル (%1)</translation>
    </message>
    <message>
        <source>Folders Not Read...</source>
        <translation>読み込めなかったフォルダー...</translation>
    </message>
    <message>
        <source>List the Sub Folder(s) the Last Listing Could Not Read, and Why</source>
        <translation>前回の一覧表示で読み込めなかったサブフォルダーとその理由を表示します</translation>
    </message>
    <message>
        <source>Folders Not Read</source>
        <translation>読み込めなかったフォルダー</translation>
    </message>
    <message>
        <source>&amp;Windows...</source>
        <translation>ウィンドウ(&amp;W)...</translation>
    </message>
    <message>
        <source>Windows &amp;2000</source>
        <translation>Windows &amp;2000</translation>
    </message>
    <message>
        <source>Office &amp;XP</source>
        <translation>Office &amp;XP</translation>
    </message>
    <message>
        <source>&amp;Windows XP</source>
        <translation>&amp;Windows XP</translation>
    </message>
    <message>
        <source>Office 200&amp;3</source>
        <translation>Office 200&amp;3</translation>
    </message>
    <message>
        <source>Visual Studio.NET 200&amp;5</source>
        <translation>Visual Studio.NET 200&amp;5</translation>
    </message>
    <message>
        <source>&amp;Blue Style</source>
        <translation>ブルー スタイル(&amp;B)</translation>
    </message>
    <message>
        <source>B&amp;lack Style</source>
        <translation>ブラック スタイル(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Silver Style</source>
        <translation>シルバー スタイル(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Aqua Style</source>
        <translation>アクア スタイル(&amp;A)</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>フォルダーを開く</translation>
    </message>
    <message>
        <source>&amp;Caption Bar</source>
        <translation>キャプション バー(&amp;C)</translation>
    </message>
    <message>
        <source>Show or hide the caption bar</source>
        <translation>キャプション バーの表示と非表示を切り替えます</translation>
    </message>
    <message>
        <source>Toggle Caption Bar</source>
        <translation>キャプション バーの表示切り替え</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>寄付</translation>
    </message>
    <message>
        <source>&amp;About Quirewell...</source>
        <translation>Quirewell について(&amp;A)...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>プログラムの情報、バージョン番号、著作権を表示します</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新規作成(&amp;N)</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>新しいドキュメントを作成します</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規作成</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>開く(&amp;O)...</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>既存のドキュメントを開きます</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>Close the active document</source>
        <translation>作業中のドキュメントを閉じます</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>上書き保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>作業中のドキュメントを保存します</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>上書き保存</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>名前を付けて保存(&amp;A)...</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>作業中のドキュメントを新しい名前で保存します</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>最近使ったファイル</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>このドキュメントを開きます</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>新しいウィンドウ(&amp;N)</translation>
    </message>
    <message>
        <source>Open another window for the active document</source>
        <translation>作業中のドキュメントを別のウィンドウで開きます</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>新しいウィンドウ</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>アイコンの整列(&amp;A)</translation>
    </message>
    <message>
        <source>Arrange icons at the bottom of the window</source>
        <translation>ウィンドウの下部にアイコンを整列します</translation>
    </message>
    <message>
        <source>Arrange Icons</source>
        <translation>アイコンの整列</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>重ねて表示(&amp;C)</translation>
    </message>
    <message>
        <source>Arrange windows so they overlap</source>
        <translation>ウィンドウを重ねて表示します</translation>
    </message>
    <message>
        <source>Cascade Windows</source>
        <translation>ウィンドウを重ねて表示</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>並べて表示(&amp;T)</translation>
    </message>
    <message>
        <source>Arrange windows as non-overlapping tiles</source>
        <translation>ウィンドウを重ならないように並べて表示します</translation>
    </message>
    <message>
        <source>Tile Windows</source>
        <translation>ウィンドウを並べて表示</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>アプリケーションを終了します。ドキュメントを保存するか確認します</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>ステータス バー(&amp;S)</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>ステータス バーの表示と非表示を切り替えます</translation>
    </message>
    <message>
        <source>Toggle Status Bar</source>
        <translation>ステータス バーの表示切り替え</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>次のウィンドウ枠</translation>
    </message>
    <message>
        <source>Switch to the next window pane</source>
        <translation>次のウィンドウ枠に切り替えます</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>前のウィンドウ枠</translation>
    </message>
    <message>
        <source>Switch back to the previous window pane</source>
        <translation>前のウィンドウ枠に戻ります</translation>
    </message>
    <message>
        <source>Print Set&amp;up</source>
        <translation>ページ設定(&amp;U)</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>&amp;Quick Print</source>
        <translation>クイック印刷(&amp;Q)</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>印刷プレビュー(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>切り取り(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>貼り付け(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>S&amp;mall Icons</source>
        <translation>小さいアイコン(&amp;M)</translation>
    </message>
    <message>
        <source>Lar&amp;ge Icons</source>
        <translation>大きいアイコン(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>一覧(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>詳細(&amp;D)</translation>
    </message>
    <message>
        <source>By &amp;Name</source>
        <translation>名前順(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Auto Arrange</source>
        <translation>自動整列(&amp;A)</translation>
    </message>
    <message>
        <source>Lin&amp;e up Icons</source>
        <translation>アイコンを等間隔に整列(&amp;E)</translation>
    </message>
    <message>
        <source>Rename from &amp;List...</source>
        <translation>リストから名前を変更(&amp;L)...</translation>
    </message>
    <message>
        <source>Load the New File Names from a List: Tab-Separated Old and New Names, CSV, or Saved Preview Output</source>
        <translation>リストから新しいファイル名を読み込みます: タブ区切りの元の名前と新しい名前、CSV、または保存したプレビュー出力</translation>
    </message>
    <message>
        <source>Rename from List (%1)</source>
        <translation>リストから名前を変更 (%1)</translation>
    </message>
    <message>
        <source>Edit New Names as &amp;Text</source>
        <translation>新しい名前をテキストで編集(&amp;T)</translation>
    </message>
    <message>
        <source>Edit Every New File Name as One Line of Text; the List Follows as You Type</source>
        <translation>新しいファイル名を 1 行ずつテキストとして編集します。入力に合わせて一覧が変わります</translation>
    </message>
    <message>
        <source>Edit New Names as Text (%1)</source>
        <translation>新しい名前をテキストで編集 (%1)</translation>
    </message>
    <message>
        <source>Edit New File &amp;Name</source>
        <translation>新しいファイル名を編集(&amp;N)</translation>
    </message>
    <message>
        <source>Type the Current Row&apos;s New File Name in the List (or Double-Click the Cell)</source>
        <translation>一覧で現在の行の新しいファイル名を入力します (またはセルをダブルクリック)</translation>
    </message>
    <message>
        <source>Edit New File Name (%1)</source>
        <translation>新しいファイル名を編集 (%1)</translation>
    </message>
    <message>
        <source>Sort the List by This Column; Again to Reverse</source>
        <translation>この列で一覧を並べ替えます。もう一度で逆順</translation>
    </message>
    <message>
        <source>&amp;Sr</source>
        <translation>番号(&amp;S)</translation>
    </message>
    <message>
        <source>Sort by Sr</source>
        <translation>番号で並べ替え</translation>
    </message>
    <message>
        <source>&amp;Loaded File Name</source>
        <translation>読み込んだファイル名(&amp;L)</translation>
    </message>
    <message>
        <source>Sort by Loaded File Name</source>
        <translation>読み込んだファイル名で並べ替え</translation>
    </message>
    <message>
        <source>&amp;New File Name</source>
        <translation>新しいファイル名(&amp;N)</translation>
    </message>
    <message>
        <source>Sort by New File Name</source>
        <translation>新しいファイル名で並べ替え</translation>
    </message>
    <message>
        <source>Last &amp;Write Time</source>
        <translation>更新日時(&amp;W)</translation>
    </message>
    <message>
        <source>Sort by Last Write Time</source>
        <translation>更新日時で並べ替え</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>サイズ(&amp;Z)</translation>
    </message>
    <message>
        <source>Sort by Size</source>
        <translation>サイズで並べ替え</translation>
    </message>
    <message>
        <source>L&amp;ocation</source>
        <translation>場所(&amp;O)</translation>
    </message>
    <message>
        <source>Sort by Location</source>
        <translation>場所で並べ替え</translation>
    </message>
</context>
<context>
    <name>FileListModel</name>
    <message>
        <source>Sr</source>
        <translation>番号</translation>
    </message>
    <message>
        <source>Loaded File Name</source>
        <translation>読み込んだファイル名</translation>
    </message>
    <message>
        <source>New File Name</source>
        <translation>新しいファイル名</translation>
    </message>
    <message>
        <source>Last Write Time</source>
        <translation>更新日時</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>場所</translation>
    </message>
</context>
<context>
    <name>FileMenu</name>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新規作成(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>開く(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>上書き保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>名前を付けて保存(&amp;A)...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Preview and print the document</source>
        <translation>ドキュメントをプレビューして印刷します</translation>
    </message>
    <message>
        <source>&amp;Quick Print</source>
        <translation>クイック印刷(&amp;Q)</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>印刷プレビュー(&amp;V)</translation>
    </message>
    <message>
        <source>Print Set&amp;up</source>
        <translation>ページ設定(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>Recent Documents</source>
        <translation>最近使ったドキュメント</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
</context>
<context>
    <name>FrameRibbon</name>
    <message>
        <source>(No Presets Saved)</source>
        <translation>(保存されたプリセットはありません)</translation>
    </message>
    <message>
        <source>&amp;Save Current Parameters as Preset...</source>
        <translation>現在のパラメーターをプリセットとして保存(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Import Preset...</source>
        <translation>プリセットをインポート(&amp;I)...</translation>
    </message>
    <message>
        <source>&amp;Manage Presets...</source>
        <translation>プリセットの管理(&amp;M)...</translation>
    </message>
</context>
<context>
    <name>HomeCategory</name>
    <message>
        <source>&amp;Home</source>
        <translation>ホーム(&amp;H)</translation>
    </message>
    <message>
        <source>View</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>ステータス バー</translation>
    </message>
    <message>
        <source>Caption Bar</source>
        <translation>キャプション バー</translation>
    </message>
    <message>
        <source>Files in Sub Folder(s)</source>
        <translation>サブフォルダーのファイル</translation>
    </message>
    <message>
        <source>Folder Contents</source>
        <translation>フォルダーの内容</translation>
    </message>
    <message>
        <source>Refresh File List</source>
        <translation>一覧を更新</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Folder Location</source>
        <translation>フォルダーの場所</translation>
    </message>
    <message>
        <source>Software Settings</source>
        <translation>ソフトウェアの設定</translation>
    </message>
    <message>
        <source>Rename Parameters</source>
        <translation>名前変更のパラメーター</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>名前の変更</translation>
    </message>
    <message>
        <source>Selected File</source>
        <translation>選択したファイル</translation>
    </message>
    <message>
        <source>Undo Rename
u</source>
        <translation>名前の変更を元に戻す
u</translation>
    </message>
    <message>
        <source>Window
w</source>
        <translation>ウィンドウ
w</translation>
    </message>
    <message>
        <source>Windows
i</source>
        <translation>ウィンドウ
i</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>新しいウィンドウ(&amp;N)</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>プリセット</translation>
    </message>
    <message>
        <source>Rename Parameter Presets</source>
        <translation>名前変更のパラメーターのプリセット</translation>
    </message>
    <message>
        <source>Apply a saved preset of rename parameters, or save the current ones</source>
        <translation>保存した名前変更のパラメーターのプリセットを適用するか、現在のパラメーターを保存します</translation>
    </message>
    <message>
        <source>From List...</source>
        <translation>リストから...</translation>
    </message>
    <message>
        <source>Names as Text</source>
        <translation>テキストで名前</translation>
    </message>
    <message>
        <source>Edit New Name</source>
        <translation>新しい名前を編集</translation>
    </message>
</context>
<context>
    <name>ListController</name>
    <message>
        <source>Nothing is renamed: %1.</source>
        <translation>名前は変更されません: %1。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the list</source>
        <translation>「%1」は一覧にありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is named on line %2 already</source>
        <translation>「%1」は既に %2 行目にあります</translation>
    </message>
</context>
<context>
    <name>ListingQueue</name>
    <message numerus="yes">
        <source>Listing Files from [%1]: %n File(s) Found</source>
        <translation>
            <numerusform>[%1] のファイルを一覧表示中: %n 個見つかりました</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ListingTexts</name>
    <message numerus="yes">
        <source>%n File(s) Listed from Folder [%1]</source>
        <translation>
            <numerusform>フォルダー [%1] のファイル: %n 個</numerusform>
        </translation>
    </message>
    <message>
        <source> Hidden File(s) Ignored</source>
        <translation> 隠しファイルは除外</translation>
    </message>
    <message>
        <source> Read Only File(s) Ignored</source>
        <translation> 読み取り専用ファイルは除外</translation>
    </message>
    <message>
        <source>Another checked file in this folder would get the same name.</source>
        <translation>このフォルダーでチェックした別のファイルが同じ名前になります。</translation>
    </message>
    <message>
        <source>A file that is not renamed away already has this name.</source>
        <translation>名前を変更しないファイルが既にこの名前を使っています。</translation>
    </message>
    <message>
        <source>The new name cannot be used (%1).</source>
        <translation>新しい名前は使用できません (%1)。</translation>
    </message>
    <message>
        <source>The rule could not name this file: %1</source>
        <translation>規則でこのファイルの名前を決められませんでした: %1</translation>
    </message>
    <message numerus="yes">
        <source> (%n New File Name(s) Marked as Conflicts)</source>
        <translation>
            <numerusform> (%n 個の新しい名前が競合として表示)</numerusform>
        </translation>
    </message>
    <message>
        <source>File(s) from Sub Folder(s) Not Listed</source>
        <translation>サブフォルダーのファイルは一覧にありません</translation>
    </message>
    <message numerus="yes">
        <source>, %n Not Read</source>
        <translation>
            <numerusform>、%n 個は読み込めず</numerusform>
        </translation>
    </message>
    <message>
        <source>Edit Folder Location to List &amp;&amp; Rename Files.</source>
        <translation>フォルダーの場所を編集して、ファイルを一覧表示し名前を変更します。</translation>
    </message>
    <message>
        <source>List of Files Found in Folder %1</source>
        <translation>フォルダー %1 で見つかったファイルの一覧</translation>
    </message>
    <message>
        <source> (Listing Cancelled: the List is Partial)</source>
        <translation> (一覧表示を取り消しました: 一覧は一部のみです)</translation>
    </message>
    <message>
        <source>Could Not List Files from [%1].

File(s) from Any Sub Folder(s) Are Not Loaded.</source>
        <translation>[%1] のファイルを一覧表示できませんでした。

サブフォルダーのファイルは読み込まれません。</translation>
    </message>
    <message>
        <source>No Files Found in the Folder [%1].

File(s) from Any Sub Folder(s) Are Not Loaded.</source>
        <translation>フォルダー [%1] にファイルが見つかりません。

サブフォルダーのファイルは読み込まれません。</translation>
    </message>
    <message>
        <source>File(s) Statistics</source>
        <translation>ファイルの統計</translation>
    </message>
    <message>
        <source>Folder(s) Information</source>
        <translation>フォルダーの情報</translation>
    </message>
    <message>
        <source>The name template has no value for this file (%1); it keeps its name.</source>
        <translation>このファイルには名前テンプレートの値がありません (%1)。名前は変更されません。</translation>
    </message>
    <message numerus="yes">
        <source> (%n File(s) Without a Template Value)</source>
        <translation>
            <numerusform> (%n 個のファイルにテンプレートの値なし)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Looks</name>
    <message>
        <source>Windows &amp;2000</source>
        <translation>Windows &amp;2000</translation>
    </message>
    <message>
        <source>Office &amp;XP</source>
        <translation>Office &amp;XP</translation>
    </message>
    <message>
        <source>&amp;Windows XP</source>
        <translation>&amp;Windows XP</translation>
    </message>
    <message>
        <source>Office 200&amp;3</source>
        <translation>Office 200&amp;3</translation>
    </message>
    <message>
        <source>Visual Studio.NET 200&amp;5</source>
        <translation>Visual Studio.NET 200&amp;5</translation>
    </message>
    <message>
        <source>&amp;Blue Style</source>
        <translation>ブルー スタイル(&amp;B)</translation>
    </message>
    <message>
        <source>B&amp;lack Style</source>
        <translation>ブラック スタイル(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Silver Style</source>
        <translation>シルバー スタイル(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Aqua Style</source>
        <translation>アクア スタイル(&amp;A)</translation>
    </message>
</context>
<context>
    <name>NewNamesTextPane</name>
    <message>
        <source>Edit New Names as Text</source>
        <translation>新しい名前をテキストで編集</translation>
    </message>
    <message>
        <source>One line per row of the list, in its order. A changed line becomes that row&apos;s new name at once; lines cannot be added or removed. Write \t, \n, \r, \\ and \0 for a tab, a line feed, a carriage return, a backslash and a NUL, \xHH for a byte that is not UTF-8.</source>
        <translation>一覧の 1 行につき 1 行、同じ順序です。変更した行はすぐにその行の新しい名前になります。行の追加や削除はできません。タブ、改行、復帰、バックスラッシュ、NUL は \t、\n、\r、\\、\0 と書き、UTF-8 でないバイトは \xHH と書きます。</translation>
    </message>
    <message>
        <source>New file names, one per line</source>
        <translation>新しいファイル名 (1 行に 1 つ)</translation>
    </message>
    <message>
        <source>The text has %1 lines for the %2 rows of the list: lines cannot be added or removed (Ctrl+Z takes back a change). The list keeps its names until there is one line per row.</source>
        <translation>一覧の %2 行に対してテキストが %1 行あります。行の追加や削除はできません (Ctrl+Z で変更を取り消せます)。1 行につき 1 行になるまで、一覧の名前はそのままです。</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>%1 行目: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>ほか %n 件</numerusform>
        </translation>
    </message>
    <message>
        <source>The list keeps its names until these lines can be read:</source>
        <translation>次の行を読み取れるまで、一覧の名前はそのままです:</translation>
    </message>
</context>
<context>
    <name>PresetPrompts</name>
    <message>
        <source>Presets (*.conf);;All Files (*)</source>
        <translation>プリセット (*.conf);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>A preset named &quot;%1&quot; exists already. Replace it?</source>
        <translation>プリセット「%1」は既にあります。置き換えますか?</translation>
    </message>
    <message>
        <source>This name cannot be used.</source>
        <translation>この名前は使用できません。</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be applied; nothing was changed.</source>
        <translation>プリセット「%1」を適用できませんでした。何も変更されていません。</translation>
    </message>
    <message>
        <source>Save the current rename parameters as the preset:</source>
        <translation>現在の名前変更のパラメーターを次のプリセットとして保存:</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be saved.</source>
        <translation>プリセット「%1」を保存できませんでした。</translation>
    </message>
    <message>
        <source>New name of the preset &quot;%1&quot;:</source>
        <translation>プリセット「%1」の新しい名前:</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be renamed.</source>
        <translation>プリセット「%1」の名前を変更できませんでした。</translation>
    </message>
    <message>
        <source>Delete the preset &quot;%1&quot;?</source>
        <translation>プリセット「%1」を削除しますか?</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be deleted.</source>
        <translation>プリセット「%1」を削除できませんでした。</translation>
    </message>
    <message>
        <source>Import the preset file as the preset:</source>
        <translation>プリセット ファイルを次のプリセットとしてインポート:</translation>
    </message>
    <message>
        <source>The preset file could not be imported; nothing was changed.</source>
        <translation>プリセット ファイルをインポートできませんでした。何も変更されていません。</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be exported.</source>
        <translation>プリセット「%1」をエクスポートできませんでした。</translation>
    </message>
</context>
<context>
    <name>RibbonAccessible</name>
    <message>
        <source>Shows the commands of the collapsed panel</source>
        <translation>折りたたまれたグループのコマンドを表示します</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>リボン</translation>
    </message>
    <message>
        <source>Press Alt to show the key tips of its commands</source>
        <translation>Alt キーを押すとコマンドのキー ヒントが表示されます</translation>
    </message>
</context>
<context>
    <name>RibbonLayout</name>
    <message>
        <source>Sort By</source>
        <translation>並べ替え</translation>
    </message>
    <message>
        <source>Sort the List</source>
        <translation>一覧の並べ替え</translation>
    </message>
    <message>
        <source>Sort the list by one of its columns; choose it again to reverse</source>
        <translation>一覧をいずれかの列で並べ替えます。もう一度選ぶと逆順になります</translation>
    </message>
</context>
<context>
    <name>StatusPane</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>ステータス バー</translation>
    </message>
</context>
<context>
    <name>TabRow</name>
    <message>
        <source>Donate</source>
        <translation>寄付</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>スタイル</translation>
    </message>
    <message>
        <source>Modify Visual Style</source>
        <translation>外観のスタイルを変更</translation>
    </message>
    <message>
        <source>Choose one of the Office 2007 themes</source>
        <translation>Office 2007 のテーマから選択します</translation>
    </message>
    <message>
        <source>Office 2007 (&amp;Blue Style)</source>
        <translation>Office 2007 (ブルー スタイル)(&amp;B)</translation>
    </message>
    <message>
        <source>Office 2007 (B&amp;lack Style)</source>
        <translation>Office 2007 (ブラック スタイル)(&amp;L)</translation>
    </message>
    <message>
        <source>Office 2007 (&amp;Silver Style)</source>
        <translation>Office 2007 (シルバー スタイル)(&amp;S)</translation>
    </message>
    <message>
        <source>Office 2007 (&amp;Aqua Style)</source>
        <translation>Office 2007 (アクア スタイル)(&amp;A)</translation>
    </message>
</context>
<context>
    <name>WindowsDialog</name>
    <message>
        <source>Windows</source>
        <translation>ウィンドウ</translation>
    </message>
    <message>
        <source>&amp;Activate</source>
        <translation>アクティブにする(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Close Window(s)</source>
        <translation>ウィンドウを閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>Document Windows</source>
        <translation>ドキュメント ウィンドウ</translation>
    </message>
</context>
</TS>
